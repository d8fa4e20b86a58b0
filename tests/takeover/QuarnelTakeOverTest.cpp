#include "takeover/QuarnelTakeOver.h"
#include "core/DataSet.h"
#include "support/TableContents.h"
#include "support/TakeOverSources.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace korbelant::test {

namespace {

class QuarnelTakeOverTest : public TakeOverFixture
{
protected:
    QuarnelTakeOverTest() { addPricedKind(); }

    TakeOverRun::Outcome run(const std::vector<bool>& checked = {})
    {
        return runTakeOver(m_kind, m_display, checked);
    }

    void writeCustomers(const std::vector<QVariantMap>& records)
    {
        writeParadoxTable(QStringLiteral("PERSONEN.db"), QuarnelLayouts::customers(), records);
    }

    // Quarnel's own file names differ in case from one installation to the next.
    void writeParties(const std::vector<QVariantMap>& parties, const std::vector<QVariantMap>& guests = {},
                      const std::vector<QVariantMap>& lines = {})
    {
        if (!QFile::exists(QDir(sourceDir()).filePath(QStringLiteral("PERSONEN.db"))))
            writeCustomers({});
        writeParadoxTable(QStringLiteral("vf.DB"), QuarnelLayouts::parties(), parties);
        writeParadoxTable(QStringLiteral("Gast.db"), QuarnelLayouts::guests(), guests);
        writeParadoxTable(QStringLiteral("BESTARTK.DB"), QuarnelLayouts::lines(), lines);
    }

    QVariant customer(const QString& number, const QString& field)
    {
        return value(QStringLiteral("Kunden"), field, QStringLiteral("K_NR = ?"), {number});
    }

    QVariant header(const char* rNr, const QString& field)
    {
        return value(QStringLiteral("Tuppkopf"), field, QStringLiteral("R_NR = ?"),
                     {QString::fromLatin1(rNr)});
    }

    QuarnelTakeOver m_kind;
    TakeOverDisplay m_display;
};

QVariantMap partyRecord(int id, const QDate& date, const QVariant& host = 12)
{
    return {{"PartyID", id},       {"Datum", date},    {"Jahr", 2004},          {"Woche", 7},
            {"GastgeberNr", host}, {"Gaeste", 3},      {"BestellSumme", 250.5}, {"Verabredungen", 2},
            {"SterneGew", 17.0},   {"Benennungen", 1}, {"GeschDM", 12.25}};
}

QVariantMap guestRecord(int party, int person, double total, const char* nomination = "",
                        const char* appointment = "")
{
    return {{"VfNr", party},
            {"PersNr", person},
            {"BestellSumme", total},
            {"Benennung", QString::fromLatin1(nomination)},
            {"Verabredung", QString::fromLatin1(appointment)}};
}

QVariantMap lineRecord(int party, int person, const char* ac, const QVariant& menge, double preis,
                       const char* va = "77")
{
    return {{"VfNr", party},
            {"PersNr", person},
            {"AC", QString::fromLatin1(ac)},
            {"PrNr", QStringLiteral("P-") + QString::fromLatin1(ac)},
            {"Bez", QStringLiteral("Rührschüssel")},
            {"MENGE", menge},
            {"Preis", preis},
            {"VA", QString::fromLatin1(va)},
            {"Sterne", 3}};
}

} // namespace

// Customers: fields go to their namesakes or by the alias list; the street carries the house
// number; the number gets its six digits; host and co-orderer come from Mitbesteller; a record
// whose number is no whole number, or that exists already, is dropped.
TEST_F(QuarnelTakeOverTest, CustomersTakeTheirFieldsByNameAndAlias)
{
    writeCustomers({{{"ID", 4711},
                     {"Name", QStringLiteral("Weiß")},
                     {"Vorname", QStringLiteral("Jürgen")},
                     {"Strasse", QStringLiteral("Hauptstraße")},
                     {"HausNr", QStringLiteral("12a")},
                     {"Ort", QStringLiteral("München")},
                     {"Telefon1", QStringLiteral("089 1234")},
                     {"Geburtsdatum", QDate(1961, 2, 28)},
                     {"Bemerkungen", QStringLiteral("Mag Schüsseln")},
                     {"Produktbez", QStringLiteral("Küche")},
                     {"Geschenk", QStringLiteral("Dose")},
                     {"Mitbesteller", true},
                     {"KM", 12.7}},
                    {{"ID", 4712}, {"Name", QStringLiteral("Gast")}, {"Mitbesteller", false}},
                    {{"Name", QStringLiteral("Ohne Nummer")}},
                    {{"ID", 4711}, {"Name", QStringLiteral("Doppelt")}}});
    ASSERT_EQ(run({true, false}), TakeOverRun::Outcome::Finished);

    const QString first = QStringLiteral("004711");
    const std::vector<std::pair<const char*, QString>> expected{
        {"NAME", QStringLiteral("Weiß")},
        {"VORNAME", QStringLiteral("Jürgen")},
        {"STRASSE", QStringLiteral("Hauptstraße 12a")},
        {"ORT", QStringLiteral("München")},
        {"TELEFON", QStringLiteral("089 1234")},
        {"GEBURTSTAG", QStringLiteral("1961-02-28")},
        {"TEXT", QStringLiteral("Mag Schüsseln")},
        {"MCODE", QStringLiteral("Küche")},
        {"MCODE2", QStringLiteral("Dose")},
        {"GASTGEBER", QStringLiteral("M")},
        {"KM_ENTF", QStringLiteral("12")}};
    for (const auto& [field, text] : expected)
        EXPECT_EQ(customer(first, QString::fromLatin1(field)).toString(), text) << field;
    EXPECT_EQ(customer(QStringLiteral("004712"), QStringLiteral("GASTGEBER")).toString(),
              QStringLiteral("N"));
    EXPECT_EQ(customer(QStringLiteral("004712"), QStringLiteral("STRASSE")).toString(), QString())
        << "no street, no stray blank";
    EXPECT_EQ(count(QStringLiteral("Kunden")), 5);
    EXPECT_EQ(m_states.at(0).status, TakeOverRun::kDone);
    EXPECT_EQ(m_states.at(0).source, 4);
    EXPECT_EQ(m_states.at(0).target, 5);
}

// Party headers: the number comes from the date with the next free day letter; the week key is
// year and two-digit week; the host number gets its six digits; Quarnel's totals go to the
// header's own fields; the party row shows its counts but no status.
TEST_F(QuarnelTakeOverTest, PartyHeadersGetNumberWeekAndTotals)
{
    const QDate day(2004, 2, 12);
    writeParties(
        {partyRecord(1, day), partyRecord(2, day), partyRecord(3, day, QVariant()), partyRecord(4, QDate())});
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 2) << "no host or no date drops the header";
    for (const char* rNr : {"120204A", "120204B"}) {
        const std::vector<std::pair<const char*, QVariant>> expected{{"MWoche", QStringLiteral("200407")},
                                                                     {"TWoche", QStringLiteral("1")},
                                                                     {"K_NR", QStringLiteral("000012")},
                                                                     {"DATUM", QStringLiteral("2004-02-12")},
                                                                     {"ERSTELLT", 1},
                                                                     {"GAESTE", 3},
                                                                     {"S_UMSATZ", 250.5},
                                                                     {"VERABRED", 2},
                                                                     {"STERNE", 17},
                                                                     {"BENENN_TUP", 1},
                                                                     {"STERNE_DM", 12.25}};
        for (const auto& [field, v] : expected)
            EXPECT_EQ(header(rNr, QString::fromLatin1(field)).toString(), v.toString())
                << rNr << " " << field;
    }
    EXPECT_EQ(value(QStringLiteral("MWoche"), QStringLiteral("COUNT(*)"), QStringLiteral("MWoche = ?"),
                    {QStringLiteral("200407")})
                  .toInt(),
              1);
    EXPECT_TRUE(m_states.at(1).status.isEmpty());
    EXPECT_EQ(m_states.at(1).source, 4);
    EXPECT_EQ(m_states.at(1).target, 2);
}

// Guests become participants by their place in the party, from "01" (the host); each guest's
// order lines go to that participant, priced from the price of one piece. Lines of a party
// without number (VfNr 0) stay out; lines of other guests or parties never mix in.
TEST_F(QuarnelTakeOverTest, GuestsAndTheirLinesFollowThePlaceOfTheGuest)
{
    writeParties({partyRecord(1, QDate(2004, 2, 12)), partyRecord(0, QDate(2004, 2, 13)),
                  partyRecord(2, QDate(2004, 2, 14))},
                 {guestRecord(1, 12, 50.0, "x"), guestRecord(2, 12, 1.0), guestRecord(1, 30, 20.0, "", "X"),
                  guestRecord(1, 31, 30.0), guestRecord(0, 40, 5.0)},
                 {lineRecord(1, 31, "12 34", 3, 10.0), lineRecord(1, 31, "5555", 0, 8.0, "ZZ"),
                  lineRecord(1, 12, "6666", 1, 4.0), lineRecord(2, 12, "7777", 1, 1.0),
                  lineRecord(1, 99, "8888", 1, 1.0), lineRecord(0, 40, "9999", 1, 1.0)});
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    const auto participants =
        db().rows(QStringLiteral("SELECT R_NR, P_NR, K_NR, V_GTYP, UMSATZ, BENENNUNG, Verabredung, DATUM, "
                                 "MWoche, TWoche FROM Tupper ORDER BY R_NR, P_NR"));
    const std::vector<QVariantList> expected{
        {QStringLiteral("120204A"), QStringLiteral("01"), QStringLiteral("000012"), QStringLiteral("1"), 50.0,
         1, 0, QStringLiteral("2004-02-12"), QStringLiteral("200407"), QStringLiteral("1")},
        {QStringLiteral("120204A"), QStringLiteral("02"), QStringLiteral("000030"), QStringLiteral("0"), 20.0,
         0, 1, QStringLiteral("2004-02-12"), QStringLiteral("200407"), QStringLiteral("1")},
        {QStringLiteral("120204A"), QStringLiteral("03"), QStringLiteral("000031"), QStringLiteral("0"), 30.0,
         0, 0, QStringLiteral("2004-02-12"), QStringLiteral("200407"), QStringLiteral("1")},
        {QStringLiteral("130204A"), QStringLiteral("01"), QStringLiteral("000040"), QStringLiteral("1"), 5.0,
         0, 0, QStringLiteral("2004-02-13"), QStringLiteral("200407"), QStringLiteral("1")},
        {QStringLiteral("140204A"), QStringLiteral("01"), QStringLiteral("000012"), QStringLiteral("1"), 1.0,
         0, 0, QStringLiteral("2004-02-14"), QStringLiteral("200407"), QStringLiteral("1")}};
    ASSERT_EQ(participants.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        for (qsizetype f = 0; f < expected[i].size(); ++f)
            EXPECT_EQ(participants[i].at(f).toString(), expected[i].at(f).toString()) << i << " " << f;

    const auto lines =
        db().rows(QStringLiteral("SELECT R_NR, P_NR, L_NR FROM Tupper1 ORDER BY R_NR, P_NR, L_NR"));
    const std::vector<QStringList> expectedLines{{"120204A", "01", "6666"},
                                                 {"120204A", "03", "1234"},
                                                 {"120204A", "03", "5555"},
                                                 {"140204A", "01", "7777"}};
    ASSERT_EQ(lines.size(), expectedLines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(
            (QStringList{lines[i].at(0).toString(), lines[i].at(1).toString(), lines[i].at(2).toString()}),
            expectedLines[i])
            << i;

    const auto line = [&](const char* lNr) {
        return db()
            .rows(QStringLiteral("SELECT STUECK, EINZ_PREIS, SUMME, EINZ_KOST, KOSTEN, STERNE, STERNE_DM, "
                                 "UM_STERNE, Z_NR, L_TEXT, VA, MWoche, TWoche FROM Tupper1 WHERE L_NR = ?"),
                  {QString::fromLatin1(lNr)})
            .at(0);
    };
    // 3 pieces at 10,00 of kind 77: unit 10 x 2, costs x 0.5, stars 3 x 1.5, star value 30 x 0.1.
    EXPECT_EQ(line("1234"),
              (QVariantList{3.0, 20.0, 60.0, 10.0, 30.0, 4, 3.0, 180.0, QStringLiteral("P-12 34"),
                            QStringLiteral("Rührschüssel"), QStringLiteral("77"), QStringLiteral("200407"),
                            QStringLiteral("1")}));
    // No quantity: one piece; a kind unknown to VA keeps the price as it is.
    const QVariantList exchange = line("5555");
    EXPECT_EQ(exchange.at(0).toDouble(), 1.0);
    EXPECT_EQ(exchange.at(1).toDouble(), 8.0);
}

// A directory without PERSONEN.db, or with one that is no Paradox table, shows the path message
// and copies nothing.
TEST_F(QuarnelTakeOverTest, AMissingOrDamagedCustomerTableShowsThePathMessage)
{
    const struct
    {
        const char* name;
        QByteArray bytes; // empty: no customer table at all
    } cases[] = {{"missing", {}}, {"damaged", QByteArray(64, '\x07')}, {"empty", QByteArray(1, '\0')}};
    for (const auto& c : cases) {
        QTemporaryDir source;
        m_source.swap(source);
        writeParties({partyRecord(1, QDate(2004, 2, 12))}, {guestRecord(1, 12, 50.0)});
        const QString customers = QDir(sourceDir()).filePath(QStringLiteral("PERSONEN.db"));
        QFile::remove(customers);
        if (!c.bytes.isEmpty()) {
            QFile file(customers);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        const QString before = tableContents(db(), {"Kunden", "Tuppkopf", "Tupper", "Tupper1", "MWoche"});
        const auto shown = ui().shownTexts().count(QuarnelTakeOver::kInvalidPath);
        EXPECT_EQ(run(), TakeOverRun::Outcome::InvalidSource) << c.name;
        EXPECT_EQ(ui().shownTexts().count(QuarnelTakeOver::kInvalidPath), shown + 1) << c.name << ", once";
        EXPECT_EQ(tableContents(db(), {"Kunden", "Tuppkopf", "Tupper", "Tupper1", "MWoche"}), before)
            << c.name;
    }
}

// After the parties, records that lost their keys are gone, whoever left them behind.
TEST_F(QuarnelTakeOverTest, IncompleteOrderRecordsAreRemovedAfterwards)
{
    db().run(QStringLiteral(
        "INSERT INTO Tupper (R_NR, P_NR, MWoche, TWoche) VALUES ('010199A', '', '199901', '1')"));
    db().run(
        QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, MWoche) VALUES ('010199A', '01', '1', "
                       "'77', '199901')"));
    writeParties({partyRecord(1, QDate(2004, 2, 12))}, {guestRecord(1, 12, 50.0)},
                 {lineRecord(1, 12, "6666", 1, 4.0)});
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(count(QStringLiteral("Tupper")), 1);
    EXPECT_EQ(count(QStringLiteral("Tupper1")), 1);
    EXPECT_EQ(
        value(QStringLiteral("Tupper1"), QStringLiteral("R_NR"), QStringLiteral("1 = 1"), {}).toString(),
        QStringLiteral("120204A"));
}

} // namespace korbelant::test
