#include "takeover/DosTakeOver.h"
#include "core/BackupBeforeChange.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/KeptBackups.h"
#include "support/TableContents.h"
#include "support/TakeOverSources.h"
#include "takeover/FieldAliases.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTime>

namespace korbelant::test {

namespace {

class DosTakeOverTest : public TakeOverFixture
{
protected:
    TakeOverRun::Outcome run(const std::vector<bool>& checked = {})
    {
        return runTakeOver(m_kind, m_display, checked);
    }

    void writeCustomers(const std::vector<QVariantMap>& records)
    {
        writeTable(QStringLiteral("Kunden.dbf"), DosLayouts::customers(), records);
    }

    QVariant customer(const QString& number, const QString& field)
    {
        return value(QStringLiteral("Kunden"), field, QStringLiteral("K_NR = ?"), {number});
    }

    DosTakeOver m_kind;
    TakeOverDisplay m_display;
};

const QVariantMap kPlainCustomer{{"K_NR", QStringLiteral("200001")}, {"NAME", QStringLiteral("Berger")}};

} // namespace

// A customer's note is made of the texts TEXT1 .. TEXT5 that hold something, one line each; her
// planning marks are not taken over.
TEST_F(DosTakeOverTest, CustomerNotesJoinTheTextsAndPlanningMarksAreCleared)
{
    writeCustomers({{{"K_NR", QStringLiteral("200001")},
                     {"NAME", QStringLiteral("Özdemir")},
                     {"TEXT1", QStringLiteral("mag Dosen")},
                     {"TEXT3", QStringLiteral("ruft abends an")},
                     {"V_ANZAHL", 3},
                     {"UMSATZ", 123.5},
                     {"GEBURTSTAG", QDate(1960, 5, 1)},
                     {"WIEDERVORL", QDate(2003, 2, 3)}}});
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);

    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("TEXT")).toString(),
              QStringLiteral("mag Dosen\nruft abends an"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("V_ANZAHL")).toInt(), 0);
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("NAME")).toString(),
              QStringLiteral("Özdemir"));
    EXPECT_DOUBLE_EQ(customer(QStringLiteral("200001"), QStringLiteral("UMSATZ")).toDouble(), 123.5);
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("GEBURTSTAG")).toString(),
              QStringLiteral("1960-05-01"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("WiederVorlage")).toString(),
              QStringLiteral("2003-02-03"));
    EXPECT_EQ(m_states.at(0).status, TakeOverRun::kDone);
    EXPECT_EQ(m_states.at(0).source, 1);
    EXPECT_EQ(m_states.at(0).target, 3) << "the three fixed customers were there before";
}

// The week text of a DOS party, five characters of a five-wide field, gives the week key with
// its century and the part-week.
TEST_F(DosTakeOverTest, WeekTextsGetTheirCenturyAndPartWeek)
{
    struct Case
    {
        const char* week;
        const char* mWoche;
        const char* tWoche;
    };
    const Case cases[] = {{"98521", "199852", "1"}, {"03124", "200312", "4"}, {"20011", "192001", "1"},
                          {"19011", "201901", "1"}, {"xx011", "19xx01", "1"}, {"0312", "200312", ""}};
    writeCustomers({kPlainCustomer});
    std::vector<QVariantMap> headers;
    int day = 1;
    for (const Case& c : cases)
        headers.push_back(
            {{"R_NR", QStringLiteral("%1").arg(day++, 2, 10, QLatin1Char('0')) + QStringLiteral("0103A")},
             {"WOCHE", QString::fromLatin1(c.week)}});
    writeTable(QStringLiteral("TUPPKOPF.DBF"), DosLayouts::partyHeaders(), headers);
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);

    day = 1;
    for (const Case& c : cases) {
        const QString rNr =
            QStringLiteral("%1").arg(day++, 2, 10, QLatin1Char('0')) + QStringLiteral("0103A");
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("MWoche"), QStringLiteral("R_NR = ?"), {rNr})
                .toString(),
            QString::fromLatin1(c.mWoche))
            << c.week;
        EXPECT_EQ(
            value(QStringLiteral("Tuppkopf"), QStringLiteral("TWoche"), QStringLiteral("R_NR = ?"), {rNr})
                .toString(),
            QString::fromLatin1(c.tWoche))
            << c.week;
    }
    EXPECT_EQ(count(QStringLiteral("MWoche")), 5) << "one week record per week key of the parties";
}

// The participants' appointment: "J" books it, the time text 0930 becomes 09:30; the party's
// offers go into S_ANGEBOTE through the alias list; the week table goes into Woche with its
// remark lines.
TEST_F(DosTakeOverTest, PartyDataFollowsTheAliasesAndTheTimeAndLogicalRules)
{
    writeCustomers({kPlainCustomer});
    writeTable(QStringLiteral("TuppKopf.dbf"), DosLayouts::partyHeaders(),
               {{{"R_NR", QStringLiteral("240399A")},
                 {"DATUM", QDate(1999, 3, 24)},
                 {"WOCHE", QStringLiteral("99121")},
                 {"K_NR", QStringLiteral("200001")},
                 {"S_UMSATZ", 250.0},
                 {"ANGEBOTE", 4},
                 {"ERSTELLT", true}}});
    writeTable(QStringLiteral("Tupper.dbf"), DosLayouts::participants(),
               {{{"R_NR", QStringLiteral("240399A")},
                 {"P_NR", QStringLiteral("01")},
                 {"K_NR", QStringLiteral("200001")},
                 {"GEBUCHT", QStringLiteral("j")},
                 {"BUCH_DATUM", QDate(1999, 4, 2)},
                 {"BUCH_ZEIT", QStringLiteral("0930")},
                 {"WOCHE", QStringLiteral("99121")}},
                {{"R_NR", QStringLiteral("240399A")},
                 {"P_NR", QStringLiteral("02")},
                 {"GEBUCHT", QStringLiteral("N")}}});
    writeTable(QStringLiteral("Tupper1.dbf"), DosLayouts::orderLines(),
               {{{"R_NR", QStringLiteral("240399A")},
                 {"P_NR", QStringLiteral("01")},
                 {"ID", 7},
                 {"L_NR", QStringLiteral("1234")},
                 {"VA", QStringLiteral("10")},
                 {"STUECK", 2},
                 {"EINZ_PREIS", 12.5}}});
    writeTable(QStringLiteral("Woche.dbf"), DosLayouts::weeks(),
               {{{"WOCHE", QStringLiteral("199912")},
                 {"BEMERKUNG1", QStringLiteral("Kataloge bestellen")},
                 {"BEMERKUNG2", QStringLiteral("Urlaub")},
                 {"FKM1", 42}}});
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);

    const auto participant = [&](const char* pNr, const char* field) {
        return value(QStringLiteral("Tupper"), QString::fromLatin1(field), QStringLiteral("P_NR = ?"),
                     {QString::fromLatin1(pNr)});
    };
    EXPECT_EQ(participant("01", "Verabredung").toInt(), 1);
    EXPECT_EQ(participant("01", "Verabred_ZEIT").toString(), QStringLiteral("09:30:00"));
    EXPECT_EQ(participant("01", "Verabred_DATUM").toString(), QStringLiteral("1999-04-02"));
    EXPECT_EQ(participant("01", "MWoche").toString(), QStringLiteral("199912"));
    EXPECT_EQ(participant("02", "Verabredung").toInt(), 0);
    EXPECT_TRUE(participant("02", "Verabred_ZEIT").isNull());

    EXPECT_EQ(
        value(QStringLiteral("Tuppkopf"), QStringLiteral("S_ANGEBOTE"), QStringLiteral("1"), {}).toInt(), 4);
    EXPECT_EQ(value(QStringLiteral("Tuppkopf"), QStringLiteral("ERSTELLT"), QStringLiteral("1"), {}).toInt(),
              1);
    EXPECT_EQ(value(QStringLiteral("Tupper1"), QStringLiteral("STUECK"), QStringLiteral("1"), {}).toDouble(),
              2.0);
    EXPECT_EQ(value(QStringLiteral("Woche"), QStringLiteral("Bemerkung"), QStringLiteral("WOCHE = ?"),
                    {QStringLiteral("199912")})
                  .toString(),
              QStringLiteral("Kataloge bestellen\nUrlaub"));
    EXPECT_EQ(value(QStringLiteral("Woche"), QStringLiteral("FKM1"), QStringLiteral("WOCHE = ?"),
                    {QStringLiteral("199912")})
                  .toInt(),
              42);
    EXPECT_EQ(count(QStringLiteral("MWoche")), 1);
    EXPECT_EQ(m_states.at(3).status, TakeOverRun::kDone);
    EXPECT_FALSE(m_states.at(3).source.has_value()) << "the party row shows only its status";
}

// A second takeover of the same data: records with keys are refused and stay as they were,
// order lines with their automatic numbers come a second time.
TEST_F(DosTakeOverTest, RunningTwiceKeepsTheCustomersButDoublesTheOrderLines)
{
    writeCustomers({kPlainCustomer});
    writeTable(QStringLiteral("TuppKopf.dbf"), DosLayouts::partyHeaders(),
               {{{"R_NR", QStringLiteral("240399A")}}});
    writeTable(QStringLiteral("Tupper1.dbf"), DosLayouts::orderLines(),
               {{{"R_NR", QStringLiteral("240399A")},
                 {"P_NR", QStringLiteral("01")},
                 {"L_NR", QStringLiteral("1234")}}});
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);
    db().run(QStringLiteral("UPDATE Kunden SET NAME = 'Berger-Huber' WHERE K_NR = '200001'"));
    const QString customers = tableContents(db(), {"Kunden", "Tuppkopf"});

    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(tableContents(db(), {"Kunden", "Tuppkopf"}), customers);
    EXPECT_EQ(count(QStringLiteral("Tupper1")), 2);
    EXPECT_EQ(m_states.at(0).target, 4) << "the count before the second takeover";
}

TEST_F(DosTakeOverTest, AnInvalidSourceShowsThePathMessageAndCopiesNothing)
{
    writeTable(QStringLiteral("Lager.dbf"), {{"L_NR", 'C', 10}}, {{{"L_NR", QStringLiteral("1234")}}});
    const QString before = tableContents(db(), {"Kunden", "Lager"});
    EXPECT_EQ(run(), TakeOverRun::Outcome::InvalidSource);
    EXPECT_TRUE(ui().wasShown(DosTakeOver::kInvalidPath));
    EXPECT_EQ(tableContents(db(), {"Kunden", "Lager"}), before);
}

// The day's backup is made before the first row runs; without one nothing is taken over.
TEST_F(DosTakeOverTest, BacksTheDataSetUpBeforeTheFirstRowAndDoesNotStartWithoutABackup)
{
    writeCustomers({kPlainCustomer});
    const int before = count(QStringLiteral("Kunden"));
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);
    ASSERT_EQ(count(QStringLiteral("Kunden")), before + 1);
    const auto backup = KeptBackups(m_home.home()).ofDay(QDate::currentDate());
    ASSERT_TRUE(backup);
    auto copy = Database::open(backup->databaseFile, Database::Mode::OpenExisting);
    EXPECT_EQ(copy->scalar(QStringLiteral("SELECT count(*) FROM Kunden")).toInt(), before);

    // A file where the backup directory belongs cannot take a backup.
    QDir(m_home.home().backupDir()).removeRecursively();
    QFile blocker(m_home.home().backupDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    db().run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = '200001'"));
    EXPECT_EQ(run(), TakeOverRun::Outcome::NoBackup);
    EXPECT_TRUE(ui().shownTexts().join(QLatin1Char('|')).contains(BackupBeforeChange::kFailed));
    EXPECT_EQ(count(QStringLiteral("Kunden")), before);
}

// Only the checked rows run; a table missing from the directory ends its step quietly.
TEST_F(DosTakeOverTest, UncheckedRowsAndMissingTablesAreLeftOut)
{
    writeCustomers({kPlainCustomer});
    writeTable(QStringLiteral("Ausgaben.dbf"),
               {{"AUSDATUM", 'D', 8}, {"ATEXT", 'C', 40}, {"BETRAG", 'N', 10, 2}},
               {{{"AUSDATUM", QDate(2002, 1, 5)}, {"ATEXT", QStringLiteral("Schürze")}, {"BETRAG", 19.9}}});
    ASSERT_EQ(run({false, true, true, false}), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(count(QStringLiteral("Kunden")), 3);
    EXPECT_EQ(count(QStringLiteral("Ausgaben")), 1);
    EXPECT_TRUE(m_states.at(0).status.isEmpty());
    EXPECT_EQ(m_states.at(1).status, TakeOverRun::kDone) << "no Lager.dbf";
    EXPECT_FALSE(m_states.at(1).source.has_value());
}

// TAlias.TXT in the data home replaces the built-in list.
TEST_F(DosTakeOverTest, TheAliasFileOfTheDataHomeReplacesTheBuiltInList)
{
    QFile file(QDir(m_home.root()).filePath(QStringLiteral("talias.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NOTIZ\r\nTEXT\r\nTEXT1\r\nFAX\r\n");
    file.close();
    writeTable(QStringLiteral("Kunden.dbf"), {{"K_NR", 'C', 6}, {"NOTIZ", 'C', 40}, {"TEXT1", 'C', 40}},
               {{{"K_NR", QStringLiteral("200001")},
                 {"NOTIZ", QStringLiteral("Notiz")},
                 {"TEXT1", QStringLiteral("0711 99")}}});
    ASSERT_EQ(run(), TakeOverRun::Outcome::Finished);
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("TEXT")).toString(), QStringLiteral("Notiz"));
    EXPECT_EQ(customer(QStringLiteral("200001"), QStringLiteral("FAX")).toString(),
              QStringLiteral("0711 99"));
}

TEST(FieldAliasesTest, TargetsAreFoundByTheSourceLinesOnly)
{
    const FieldAliases aliases = FieldAliases::builtIn();
    EXPECT_EQ(aliases.target(QStringLiteral("text3")), QStringLiteral("TEXT"));
    EXPECT_EQ(aliases.target(QStringLiteral("BUCH_ZEIT")), QStringLiteral("Verabred_ZEIT"));
    EXPECT_FALSE(aliases.target(QStringLiteral("TEXT")).has_value()) << "a target name is no source name";
    EXPECT_FALSE(
        FieldAliases(QStringList{QStringLiteral("ALLEIN")}).target(QStringLiteral("ALLEIN")).has_value());
    EXPECT_EQ(FieldAliases::load(QString()).lines(), aliases.lines());
}

} // namespace korbelant::test
