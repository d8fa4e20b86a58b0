#include "takeover/KalmoTakeOver.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "support/TableContents.h"
#include "support/TakeOverSources.h"
#include "takeover/KalmoOrderLine.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <functional>

namespace korbelant::test {

namespace {

// Runs a piece of work at a chosen record of the takeover (counted over all rows).
class BeatDisplay : public TakeOverDisplay
{
public:
    void beat() override
    {
        if (++m_beats == at && work)
            work();
    }
    int at = 0;
    std::function<void()> work;

private:
    int m_beats = 0;
};

class KalmoTakeOverTest : public TakeOverFixture
{
protected:
    KalmoTakeOverTest() { addPricedKind(); }

    TakeOverRun::Outcome run(const std::vector<bool>& checked = {})
    {
        TakeOverRun takeOver(*m_set, ui(), m_kind, m_display);
        m_run = &takeOver;
        const auto outcome = takeOver.start(sourceDir(), checked);
        m_run = nullptr;
        m_states = takeOver.rowStates();
        return outcome;
    }

    void writeCustomers(const std::vector<QVariantMap>& records)
    {
        writeTable(QStringLiteral("GBADR.DBF"), KalmoLayouts::customers(), records);
    }

    void writeParties(const std::vector<QVariantMap>& parties, const std::vector<QVariantMap>& guests = {},
                      const std::vector<QVariantMap>& lines = {})
    {
        if (!QFileInfo::exists(QDir(sourceDir()).filePath(QStringLiteral("GBADR.DBF"))))
            writeCustomers({});
        writeTable(QStringLiteral("GBVF.dbf"), KalmoLayouts::parties(), parties);
        writeTable(QStringLiteral("GBVFGL.DBF"), KalmoLayouts::guests(), guests);
        writeTable(QStringLiteral("GBVFPR.DBF"), KalmoLayouts::lines(), lines);
    }

    QVariant customer(const QString& number, const QString& field)
    {
        return value(QStringLiteral("Kunden"), field, QStringLiteral("K_NR = ?"), {number});
    }

    KalmoTakeOver m_kind;
    BeatDisplay m_display;
    TakeOverRun* m_run = nullptr;
};

QVariantMap customerRecord(const char* nr, const char* name)
{
    return {{"NR", QString::fromLatin1(nr)}, {"NAME", QString::fromLatin1(name)}};
}

QVariantMap partyRecord(const char* vfnr, const QDate& date, const char* host = "01200001")
{
    return {{"VFNR", QString::fromLatin1(vfnr)}, {"DATUM", date}, {"GGBNR", QString::fromLatin1(host)},
            {"WOCHE", QStringLiteral("9912")},   {"ANZGAST", 2},  {"ZWSUMME", 99.5}};
}

QVariantMap lineRecord(const char* vfnr, int guest, const char* prdnr, const char* kz, const QVariant& menge,
                       double preis, const char* va = "77")
{
    return {{"VFNR", QString::fromLatin1(vfnr)},
            {"GASTNRLFD", guest},
            {"PRDNR", QString::fromLatin1(prdnr)},
            {"ARTNR", QStringLiteral("12345678")},
            {"BEZ", QStringLiteral("Eidgenosse")},
            {"MENGE", menge},
            {"Preis", preis},
            {"VA", QString::fromLatin1(va)},
            {"STERNE", 3},
            {"KZ", QString::fromLatin1(kz)}};
}

} // namespace

// The customer number is the KALMO number without its two leading characters; a field holding
// "V" marks a host; the notes come from the memo; a number that is no whole number is dropped.
TEST_F(KalmoTakeOverTest, CustomersGetTheirNumbersWithoutThePrefix)
{
    writeCustomers({{{"NR", QStringLiteral("01200001")},
                     {"NAME", QStringLiteral("Weiß")},
                     {"TELEFAX", QStringLiteral("0711 1234")},
                     {"GEBDAT", QDate(1955, 7, 9)},
                     {"STATUS", QStringLiteral("V")},
                     {"BEMERKUNG", QStringLiteral("Gastgeberin seit 1990")}},
                    customerRecord("02200002", "Gast"),
                    customerRecord("01ABCDEF", "Keine Nummer"),
                    customerRecord("01200001", "Doppelt")});
    ASSERT_EQ(run({true, false}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("NAME")).toString(), QStringLiteral("Weiß"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("GASTGEBER")).toString(),
              QStringLiteral("J"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("FAX")).toString(),
              QStringLiteral("0711 1234"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("GEBURTSTAG")).toString(),
              QStringLiteral("1955-07-09"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("TEXT")).toString(),
              QStringLiteral("Gastgeberin seit 1990"));
    EXPECT_TRUE(customer(QStringLiteral("200002"), QStringLiteral("GASTGEBER")).isNull());
    EXPECT_EQ(count(QStringLiteral("Kunden")), 5);
    EXPECT_EQ(m_states.at(0).source, 4);
    EXPECT_EQ(m_states.at(0).target, 5) << "the count follows the records stored";
    EXPECT_TRUE(m_states.at(1).status.isEmpty());
}

// A party is numbered from its date with the day letter A; a second party of the same day takes
// B; the header counts as reported to the distributor and gets its week key.
TEST_F(KalmoTakeOverTest, PartiesOfOneDayTakeTheNextDayLetter)
{
    const QDate day(1999, 3, 24);
    writeParties({partyRecord("VF1", day), partyRecord("VF2", day), partyRecord("VF3", day, "01XYZ")});
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 2)
        << "a host number that is no whole number drops the party";
    for (const char* rNr : {"240399A", "240399B"}) {
        const QString key = QString::fromLatin1(rNr);
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("ERSTELLT"), QStringLiteral("R_NR = ?"), {key})
                .toInt(),
            1);
        EXPECT_EQ(value(QStringLiteral("Tuppkopf"), QStringLiteral("K_NR"), QStringLiteral("R_NR = ?"), {key})
                      .toString(),
                  QStringLiteral("200001"));
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("MWoche"), QStringLiteral("R_NR = ?"), {key})
                .toString(),
            QStringLiteral("199912"));
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("TWoche"), QStringLiteral("R_NR = ?"), {key})
                .toString(),
            QStringLiteral("1"));
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("GAESTE"), QStringLiteral("R_NR = ?"), {key})
                .toInt(),
            2);
        EXPECT_DOUBLE_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("S_UMSATZ"), QStringLiteral("R_NR = ?"), {key})
                .toDouble(),
            99.5);
    }
    EXPECT_EQ(count(QStringLiteral("MWoche")), 1);

    // Taken over again, the parties come a second time with the following letters.
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(db().scalar(QStringLiteral(
                              "SELECT group_concat(R_NR) FROM (SELECT R_NR FROM Tuppkopf ORDER BY R_NR)"))
                  .toString(),
              QStringLiteral("240399A,240399B,240399C,240399D"));
}

// Guests become participants numbered from "01" (the host); only guests in state "00" count.
TEST_F(KalmoTakeOverTest, GuestsBecomeParticipantsOfTheirParty)
{
    writeParties({partyRecord("VF1", QDate(1999, 3, 24)), partyRecord("VF2", QDate(1999, 3, 25))},
                 {{{"VFNR", QStringLiteral("VF1")},
                   {"GASTNR", QStringLiteral("01200001")},
                   {"GASTNRLFD", 0},
                   {"UMSATZ", 50.0},
                   {"KZ", QStringLiteral("00")}},
                  {{"VFNR", QStringLiteral("VF1")},
                   {"GASTNR", QStringLiteral("01200002")},
                   {"GASTNRLFD", 1},
                   {"UMSATZ", 20.0},
                   {"KZ", QStringLiteral("00")}},
                  {{"VFNR", QStringLiteral("VF1")},
                   {"GASTNR", QStringLiteral("01200003")},
                   {"GASTNRLFD", 2},
                   {"KZ", QStringLiteral("10")}},
                  {{"VFNR", QStringLiteral("VF2")},
                   {"GASTNR", QStringLiteral("01200004")},
                   {"GASTNRLFD", 0},
                   {"KZ", QStringLiteral("00")}}});
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    const auto rows =
        db().rows(QStringLiteral("SELECT R_NR, P_NR, K_NR, V_GTYP, UMSATZ, MWoche, TWoche FROM Tupper "
                                 "ORDER BY R_NR, P_NR"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.at(0),
              (QVariantList{QStringLiteral("240399A"), QStringLiteral("01"), QStringLiteral("200001"),
                            QStringLiteral("J"), 50.0, QStringLiteral("199912"), QStringLiteral("1")}));
    EXPECT_EQ(rows.at(1).mid(0, 5), (QVariantList{QStringLiteral("240399A"), QStringLiteral("02"),
                                                  QStringLiteral("200002"), QStringLiteral("N"), 20.0}));
    EXPECT_EQ(rows.at(2).mid(0, 3),
              (QVariantList{QStringLiteral("250399A"), QStringLiteral("01"), QStringLiteral("200004")}));
}

// Order lines: the states that count, a blank product number and the lines without article are
// left out; the quantity is at least one; the prices follow the factors of the kind.
TEST_F(KalmoTakeOverTest, OrderLinesArePricedFromTheirKind)
{
    QVariantMap noArticle = lineRecord("VF1", 0, "9 9", "00", 1, 5.0);
    noArticle.insert(QStringLiteral("ARTNR"), KalmoOrderLine::kNoArticle);
    writeParties(
        {partyRecord("VF1", QDate(1999, 3, 24))}, {},
        {lineRecord("VF1", 0, "12 34", "00", 3, 30.0), lineRecord("VF1", 1, "5555", "30", 0, 8.0, "ZZ"),
         lineRecord("VF1", 1, "6666", "33", QVariant(), 4.0), lineRecord("VF1", 1, "7777", "36", 1, 1.0),
         lineRecord("VF1", 1, "8888", "10", 1, 1.0), lineRecord("VF1", 1, "", "00", 1, 1.0), noArticle});
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(
        db().scalar(QStringLiteral("SELECT group_concat(L_NR) FROM (SELECT L_NR FROM Tupper1 ORDER BY ID)"))
            .toString(),
        QStringLiteral("1234,5555,6666,7777"));
    const auto line = [&](const char* lNr) {
        return db()
            .rows(QStringLiteral(
                      "SELECT P_NR, STUECK, EINZ_PREIS, SUMME, EINZ_KOST, KOSTEN, STERNE, STERNE_DM, "
                      "UM_STERNE, Z_NR, L_TEXT, VA, MWoche, TWoche FROM Tupper1 WHERE L_NR = ?"),
                  {QString::fromLatin1(lNr)})
            .at(0);
    };
    // 3 pieces for 30,00 of kind 77: unit 10 x 2, costs x 0.5, stars 3 x 1.5, star value 30 x 0.1.
    EXPECT_EQ(line("1234"),
              (QVariantList{QStringLiteral("01"), 3.0, 20.0, 60.0, 10.0, 30.0, 4, 3.0, 180.0,
                            QStringLiteral("12345678"), QStringLiteral("Eidgenosse"), QStringLiteral("77"),
                            QStringLiteral("199912"), QStringLiteral("1")}));
    // No quantity: one piece at the price; a kind unknown to VA keeps the price as it is.
    const QVariantList exchange = line("5555");
    EXPECT_EQ(exchange.at(0), QVariant(QStringLiteral("02")));
    EXPECT_EQ(exchange.at(1).toDouble(), 1.0);
    EXPECT_EQ(exchange.at(2).toDouble(), 8.0);
    EXPECT_EQ(exchange.at(6).toInt(), 3);
    EXPECT_EQ(line("6666").at(1).toDouble(), 1.0) << "an unreadable quantity is one piece";
}

// "Ja" to "&Abbrechen" in the middle of the parties: the party row is undone as a whole, the
// customers taken over before stay, and the takeover ends as aborted.
TEST_F(KalmoTakeOverTest, StoppingInTheMiddleUndoesTheRowUnderWay)
{
    writeCustomers({customerRecord("01200001", "Erste")});
    writeParties({partyRecord("VF1", QDate(1999, 3, 24)), partyRecord("VF2", QDate(1999, 3, 25)),
                  partyRecord("VF3", QDate(1999, 3, 26))},
                 {{{"VFNR", QStringLiteral("VF1")},
                   {"GASTNR", QStringLiteral("01200001")},
                   {"GASTNRLFD", 0},
                   {"KZ", QStringLiteral("00")}}},
                 {lineRecord("VF1", 0, "1234", "00", 1, 10.0)});
    const QString partiesBefore = tableContents(db(), {"Tuppkopf", "Tupper", "Tupper1", "MWoche"});
    m_display.at = 3; // the customer, then the second party
    m_display.work = [this] {
        ui().addAnswer(UiPort::Answer::Yes);
        EXPECT_TRUE(m_run->askStop());
    };
    EXPECT_EQ(run(), TakeOverRun::Outcome::Aborted);

    EXPECT_TRUE(ui().wasShown(TakeOverRun::kAskCancel));
    EXPECT_EQ(tableContents(db(), {"Tuppkopf", "Tupper", "Tupper1", "MWoche"}), partiesBefore);
    EXPECT_EQ(count(QStringLiteral("Kunden")), 4);
    EXPECT_EQ(m_states.at(0).status, TakeOverRun::kDone);
    EXPECT_EQ(m_states.at(1).status, TakeOverRun::kUndone);
}

// "Nein" lets the takeover go on to its end.
TEST_F(KalmoTakeOverTest, DecliningTheStopGoesOn)
{
    writeCustomers({customerRecord("01200001", "Erste"), customerRecord("01200002", "Zweite")});
    m_display.at = 1;
    m_display.work = [this] {
        ui().addAnswer(UiPort::Answer::No);
        EXPECT_FALSE(m_run->askStop());
    };
    EXPECT_EQ(run({true, false}), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(count(QStringLiteral("Kunden")), 5);
}

// A failure of the data set in the middle of a row leaves that row's tables as they were; the
// following row still runs.
TEST_F(KalmoTakeOverTest, AFailureInTheMiddleOfARowUndoesThatRow)
{
    writeCustomers({customerRecord("01200001", "Erste"), customerRecord("01200002", "Zweite")});
    writeParties({partyRecord("VF1", QDate(1999, 3, 24))});
    const QString customersBefore = tableContents(db(), {"Kunden"});
    m_display.at = 2;
    m_display.work = [] { throw DatabaseError(QStringLiteral("Die Platte ist voll.")); };
    EXPECT_EQ(run(), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(tableContents(db(), {"Kunden"}), customersBefore);
    EXPECT_EQ(m_states.at(0).status, TakeOverRun::kFailed);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 1);
    EXPECT_EQ(m_states.at(1).status, TakeOverRun::kDone);
}

TEST_F(KalmoTakeOverTest, ADirectoryWithoutTheAddressTableShowsThePathMessage)
{
    writeTable(QStringLiteral("GBVF.dbf"), KalmoLayouts::parties(), {partyRecord("VF1", QDate(1999, 3, 24))});
    EXPECT_EQ(run(), TakeOverRun::Outcome::InvalidSource);
    EXPECT_TRUE(ui().wasShown(KalmoTakeOver::kInvalidPath));
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 0);
}

} // namespace korbelant::test
