#include "takeover/OrvelaTakeOver.h"
#include "core/WeekKey.h"
#include "support/OrvelaSource.h"
#include "support/TakeOverSources.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace korbelant::test {

namespace {

class OrvelaTakeOverTest : public TakeOverFixture
{
protected:
    OrvelaTakeOverTest() { addPricedKind(); }

    TakeOverRun::Outcome run(const std::vector<bool>& checked = {}, const QString& directory = {})
    {
        return runTakeOver(m_kind, m_display, checked,
                           directory.isEmpty() ? m_orvela.directory() : directory);
    }

    QString customer(const char* number, const char* field)
    {
        return value(QStringLiteral("Kunden"), QString::fromLatin1(field), QStringLiteral("K_NR = ?"),
                     {QString::fromLatin1(number)})
            .toString();
    }

    QVariant header(const char* rNr, const char* field)
    {
        return value(QStringLiteral("Tuppkopf"), QString::fromLatin1(field), QStringLiteral("R_NR = ?"),
                     {QString::fromLatin1(rNr)});
    }

    void addParty(int id, const QDate& day, const QVariant& host = 4711)
    {
        m_orvela.add(QStringLiteral("Vorführungen"), {{QStringLiteral("ID"), id},
                                                      {QStringLiteral("Datum"), day},
                                                      {QStringLiteral("Woche"), QStringLiteral("12/04")},
                                                      {QStringLiteral("Gäste"), 3},
                                                      {QStringLiteral("GgID"), host},
                                                      {QStringLiteral("WB Umsatz"), 500.0},
                                                      {QStringLiteral("Provision"), 120.0},
                                                      {QStringLiteral("Verabredungen"), 2},
                                                      {QStringLiteral("Sterne"), 40},
                                                      {QStringLiteral("Benennungen"), 1},
                                                      {QStringLiteral("Ort"), QStringLiteral("Ulm")},
                                                      {QStringLiteral("Sterne DM"), 33.5}});
    }

    void addGuest(int party, int guest, int lfd, double turnover)
    {
        m_orvela.add(QStringLiteral("Gästeliste"), {{QStringLiteral("VID"), party},
                                                    {QStringLiteral("GID"), guest},
                                                    {QStringLiteral("lfd"), lfd},
                                                    {QStringLiteral("Umsatz"), turnover}});
    }

    void addLine(int party, int guest, const QVariant& pieces, double price)
    {
        m_orvela.add(QStringLiteral("Preislisten"),
                     {{QStringLiteral("VID"), party},
                      {QStringLiteral("GID"), guest},
                      {QStringLiteral("PrdNr"), QStringLiteral("T 123")},
                      {QStringLiteral("Artnr"), QStringLiteral("4711-01")},
                      {QStringLiteral("Bezeichnung"), QStringLiteral("Schüssel")},
                      {QStringLiteral("Sterne"), 3.0},
                      {QStringLiteral("MENGE"), pieces},
                      {QStringLiteral("VA"), QStringLiteral("77")},
                      {QStringLiteral("Preis"), price}});
    }

    OrvelaSource m_orvela;
    OrvelaTakeOver m_kind{OrvelaSource::driverMap()};
    TakeOverDisplay m_display;
};

QVariantMap address(int index, const QVariant& folder, const QVariantMap& more = {})
{
    QVariantMap record{{QStringLiteral("Index"), index},
                       {QStringLiteral("Ordner"), folder},
                       {QStringLiteral("Name"), QStringLiteral("Kunde %1").arg(index)}};
    for (auto it = more.begin(); it != more.end(); ++it)
        record.insert(it.key(), it.value());
    return record;
}

} // namespace

// Orvela's numbers get their leading zeros, its folders and host flags the program's texts; only
// the fields of Orvela's list are filled.
TEST_F(OrvelaTakeOverTest, AddressesBecomeCustomersByOrvelasFieldList)
{
    m_orvela.add(QStringLiteral("Adressen"),
                 address(4711, 1,
                         {{QStringLiteral("Vorname"), QStringLiteral("Jürgen")},
                          {QStringLiteral("Strasse"), QStringLiteral("Hauptstraße 5")},
                          {QStringLiteral("Telefon1"), QStringLiteral("0731 1")},
                          {QStringLiteral("Telefon2"), QStringLiteral("0731 2")},
                          {QStringLiteral("Handy"), QStringLiteral("0170 3")},
                          {QStringLiteral("eMail"), QStringLiteral("j@example.org")},
                          {QStringLiteral("Sonstiges"), QStringLiteral("Katalog")},
                          {QStringLiteral("Geburtsdatum"), QDate(1960, 5, 1)},
                          {QStringLiteral("Bemerkung"), QStringLiteral("ruft abends an")},
                          {QStringLiteral("Gastgeberin"), true},
                          {QStringLiteral("Gast"), true}}));
    struct Case
    {
        int index;
        QVariant folder;
        const char* flag;
        const char* number;
        const char* mcode3;
        const char* host;
    };
    const std::vector<Case> cases{{12, 2, "Gast", "000012", "Privat", "N"},
                                  {13, 5, "Mitbesteller", "000013", "5", "M"},
                                  {14, QVariant(), "Club", "000014", "", "C"},
                                  {123456, 1, nullptr, "123456", "TW-Adressen", "N"}};
    for (const Case& c : cases) {
        QVariantMap flags;
        if (c.flag)
            flags.insert(QString::fromLatin1(c.flag), true);
        m_orvela.add(QStringLiteral("Adressen"), address(c.index, c.folder, flags));
    }
    ASSERT_EQ(run({true, false}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(customer("004711", "MCODE3"), QStringLiteral("TW-Adressen"));
    EXPECT_EQ(customer("004711", "GASTGEBER"), QStringLiteral("J")) << "host and guest is a host";
    EXPECT_EQ(customer("004711", "VORNAME"), QStringLiteral("Jürgen"));
    EXPECT_EQ(customer("004711", "STRASSE"), QStringLiteral("Hauptstraße 5"));
    EXPECT_EQ(customer("004711", "TELEFON"), QStringLiteral("0731 1"));
    EXPECT_EQ(customer("004711", "TELEFON2"), QStringLiteral("0731 2"));
    EXPECT_EQ(customer("004711", "MCODE"), QStringLiteral("0170 3"));
    EXPECT_EQ(customer("004711", "\"E-MAIL\""), QStringLiteral("j@example.org"));
    EXPECT_EQ(customer("004711", "MCODE2"), QStringLiteral("Katalog"));
    EXPECT_EQ(customer("004711", "GEBURTSTAG"), QStringLiteral("1960-05-01"));
    EXPECT_EQ(customer("004711", "TEXT"), QStringLiteral("ruft abends an"));
    for (const Case& c : cases) {
        EXPECT_EQ(customer(c.number, "MCODE3"), QString::fromLatin1(c.mcode3)) << c.number;
        EXPECT_EQ(customer(c.number, "GASTGEBER"), QString::fromLatin1(c.host)) << c.number;
    }
    EXPECT_EQ(m_states.at(0).source, 5);
    EXPECT_EQ(m_states.at(0).target, count(QStringLiteral("Kunden")));
    EXPECT_EQ(m_states.at(0).status, TakeOverRun::kDone);
}

// A party is numbered from its date and lies in the week of that date; its figures come from
// Orvela's columns, the star value from the sixteenth. Each guest follows with its own lines.
TEST_F(OrvelaTakeOverTest, PartiesComeWithTheirGuestsAndTheirLines)
{
    const QDate day(2004, 3, 24);
    addParty(7, day);
    addParty(8, day);
    addParty(9, day, QVariant()); // no host: dropped
    addGuest(7, 4711, 0, 80.0);
    addGuest(7, 12, 1, 20.5);
    addGuest(7, 13, 2, 0.0);
    addGuest(8, 14, 0, 10.0);
    addLine(7, 12, 2, 10.0);
    addLine(7, 12, 0, 4.0);
    addLine(7, 13, 1, 1.0);
    addLine(8, 12, 1, 99.0); // the same guest at the other party
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 2);
    EXPECT_EQ(header("240304A", "K_NR").toString(), QStringLiteral("004711"));
    EXPECT_EQ(header("240304A", "MWoche").toString(), WeekKey::weekKey(day));
    EXPECT_EQ(header("240304A", "TWoche").toString(), QStringLiteral("1"));
    EXPECT_EQ(header("240304A", "DATUM").toString(), QStringLiteral("2004-03-24"));
    EXPECT_EQ(header("240304A", "GAESTE").toInt(), 3);
    EXPECT_EQ(header("240304A", "ERSTELLT").toInt(), 1);
    EXPECT_DOUBLE_EQ(header("240304A", "S_UMSATZ").toDouble(), 500.0);
    EXPECT_DOUBLE_EQ(header("240304A", "S_AUSGABE").toDouble(), 380.0);
    EXPECT_DOUBLE_EQ(header("240304A", "UM_STERNE").toDouble(), 500.0);
    EXPECT_DOUBLE_EQ(header("240304A", "STERNE_DM").toDouble(), 33.5);
    EXPECT_EQ(header("240304A", "VERABRED").toInt(), 2);
    EXPECT_EQ(header("240304A", "STERNE").toInt(), 40);
    EXPECT_EQ(header("240304A", "BENENN_TUP").toInt(), 1);
    EXPECT_EQ(header("240304B", "K_NR").toString(), QStringLiteral("004711")) << "the second of the day";

    const QString participants =
        db().scalar(QStringLiteral("SELECT group_concat(R_NR || ':' || P_NR || ':' || K_NR || ':' "
                                   "|| V_GTYP || ':' || UMSATZ || ':' || DATUM, ' ') FROM "
                                   "(SELECT * FROM Tupper ORDER BY R_NR, P_NR)"))
            .toString();
    EXPECT_EQ(participants,
              QStringLiteral("240304A:01:004711:J:80.0:2004-03-24 240304A:02:000012:N:20.5:2004-03-24 "
                             "240304A:03:000013:N:0.0:2004-03-24 240304B:01:000014:J:10.0:2004-03-24"));

    // The lines of guest 12 at party 7: two pieces at 10, and a line without pieces as one.
    const QString lines =
        db().scalar(
                QStringLiteral("SELECT group_concat(R_NR || ':' || P_NR || ':' || L_NR || ':' || STUECK || "
                               "':' || EINZ_PREIS || ':' || SUMME, ' ') FROM (SELECT * FROM Tupper1 ORDER BY "
                               "R_NR, P_NR, STUECK DESC)"))
            .toString();
    EXPECT_EQ(lines, QStringLiteral("240304A:02:T123:2.0:20.0:40.0 240304A:02:T123:1.0:8.0:8.0 "
                                    "240304A:03:T123:1.0:2.0:2.0"));
    EXPECT_DOUBLE_EQ(
        value(QStringLiteral("Tupper1"), QStringLiteral("STERNE_DM"), QStringLiteral("SUMME = 40"), {})
            .toDouble(),
        2.0);
    EXPECT_EQ(count(QStringLiteral("MWoche")), 1) << "the week of the parties gets its record";
    EXPECT_EQ(m_states.at(1).target, 2);
    EXPECT_TRUE(m_states.at(1).status.isEmpty()) << "the party row shows its counts only";
}

// Without Korbdat.mdb the takeover reads Korbdat2000.mdb.
TEST_F(OrvelaTakeOverTest, OnlyKorbdat2000IsTakenOver)
{
    OrvelaSource older(QStringLiteral("Korbdat2000.mdb"));
    older.add(QStringLiteral("Adressen"), address(4711, 2));
    ASSERT_EQ(run({true, false}, older.directory()), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(customer("004711", "MCODE3"), QStringLiteral("Privat"));
}

// A directory without the database, or with a file no driver can read, shows the path message
// once and copies nothing.
TEST_F(OrvelaTakeOverTest, AMissingOrUnreadableDatabaseShowsThePathMessageOnce)
{
    const QString empty = sourceDir();
    const int customers = count(QStringLiteral("Kunden"));
    QTemporaryDir damaged;
    QFile file(QDir(damaged.path()).filePath(QStringLiteral("Korbdat.mdb")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    for (const QString& directory : {empty, damaged.path(), QStringLiteral("/nicht/da")}) {
        const qsizetype before = ui().shown().size();
        EXPECT_EQ(run({}, directory), TakeOverRun::Outcome::InvalidSource) << directory.toStdString();
        EXPECT_EQ(ui().shown().size(), before + 1);
        EXPECT_TRUE(ui().wasShown(OrvelaTakeOver::kInvalidPath));
    }
    EXPECT_EQ(count(QStringLiteral("Kunden")), customers);
}

// A party table the driver cannot read fails the whole party row instead of leaving its guests
// out: the driver's records are shown, and the parties stay as they were.
TEST_F(OrvelaTakeOverTest, APartyTableThatCannotBeReadFailsTheRowWithTheDriversRecords)
{
    addParty(7, QDate(2004, 3, 24));
    addGuest(7, 4711, 0, 80.0);
    m_orvela.db().run(QStringLiteral("DROP TABLE \"Gästeliste\""));
    const int parties = count(QStringLiteral("Tuppkopf"));
    ASSERT_EQ(run({false, true}), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(m_states.at(1).status, TakeOverRun::kFailed);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), parties);
    ASSERT_FALSE(ui().shown().isEmpty());
    EXPECT_EQ(ui().shown().first().kind, QStringLiteral("Fehler"));
    EXPECT_TRUE(ui().shown().first().text.contains(QStringLiteral("Gästeliste")))
        << ui().shown().first().text.toStdString();
}

} // namespace korbelant::test
