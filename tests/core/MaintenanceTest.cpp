#include "core/DataReset.h"
#include "core/DatabaseBackup.h"
#include "core/DatabaseError.h"
#include "core/DistanceRebuild.h"
#include "core/ErrorLog.h"
#include "core/FixedCustomers.h"
#include "core/IncompleteRecords.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/TableBuilder.h"
#include "core/TableUpgrade.h"
#include "core/WeeklyMaintenance.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::TempHome;

namespace {

QVariantMap party(const char* number, const char* week, const char* part)
{
    return {{QStringLiteral("R_NR"), QString::fromLatin1(number)},
            {QStringLiteral("MWoche"), QString::fromLatin1(week)},
            {QStringLiteral("TWoche"), QString::fromLatin1(part)}};
}

int count(Database& db, const QString& sql, const QVariantList& params = {})
{
    return db.scalar(sql, params).toInt();
}

} // namespace

class MaintenanceTest : public ::testing::Test
{
protected:
    TempHome home;
    std::unique_ptr<Database> db = home.openDb();
    const TableDef& kopf = Schema::get(QStringLiteral("Tuppkopf"));
    const TableDef& teilnehmer = Schema::get(QStringLiteral("Tupper"));
    const TableDef& zeilen = Schema::get(QStringLiteral("Tupper1"));
};

TEST_F(MaintenanceTest, RepairKeepsRecordsAndForeignColumnsAndAddsWeekRecords)
{
    db->insert(kopf, party("010105A", "200453", "1"));
    db->insert(kopf, party("020105A", "200453", "2"));
    db->insert(kopf, party("100105A", "200501", "1"));
    db->insert(Schema::get(QStringLiteral("MWoche")), {{QStringLiteral("MWoche"), QStringLiteral("200501")}});
    db->execScript(QStringLiteral("ALTER TABLE Orte ADD COLUMN Eigenes INTEGER DEFAULT 7"));
    db->run(QStringLiteral(
        "INSERT INTO Orte (PLZ, ORTSNAME, VORWAHL, Eigenes) VALUES ('35037', 'Marburg', '06421', 42)"));
    db->execScript(QStringLiteral("DROP INDEX Kunden_NameIndex"));

    const auto outcome = TableBuilder(*db).RepairTables();

    EXPECT_EQ(outcome.created.size(), 0);
    EXPECT_EQ(outcome.rebuilt.size(), 14);
    EXPECT_EQ(outcome.weekRecordsAdded, 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM MWoche WHERE MWoche = '200453'")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Tuppkopf")), 3);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT Eigenes FROM Orte")), 42);
    EXPECT_EQ(
        count(*db, QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE name = 'Kunden_NameIndex'")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Kunden")), 3);
}

TEST_F(MaintenanceTest, RepairRestoresDefaultsOfATableBuiltWithout)
{
    db->execScript(QStringLiteral(
        "DROP TABLE Tupper; CREATE TABLE Tupper (R_NR TEXT, P_NR TEXT, DATUM TEXT, MWoche TEXT, "
        "TWoche TEXT, K_NR TEXT, V_GTYP TEXT, UMSATZ REAL, AUSGABE REAL, BEZAHLT INTEGER, "
        "Verabredung INTEGER, Verabred_DATUM TEXT, Verabred_ZEIT TEXT, BENENNUNG INTEGER, "
        "BENE_DATUM TEXT, BENE_ZEIT TEXT, Alt TEXT)"));
    db->run(QStringLiteral("INSERT INTO Tupper (R_NR, P_NR, BEZAHLT, Alt) VALUES ('010105A', '01', 7, 'x')"));
    TableBuilder(*db).RepairTables();
    db->run(QStringLiteral("INSERT INTO Tupper (R_NR, P_NR) VALUES ('010105A', '02')"));
    EXPECT_EQ(db->rows(QStringLiteral("SELECT P_NR, BEZAHLT, UMSATZ, Alt FROM Tupper ORDER BY P_NR")),
              (std::vector<QVariantList>{{QStringLiteral("01"), 1LL, QVariant(), QStringLiteral("x")},
                                         {QStringLiteral("02"), 1LL, 0.0, QVariant()}}));
    EXPECT_EQ(
        count(*db, QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE name = 'Tupper_R_NRIndex'")), 1);
}

TEST_F(MaintenanceTest, RepairFailureOnDuplicateKeysKeepsTheTable)
{
    db->execScript(QStringLiteral("DROP TABLE km; CREATE TABLE km (PLZ TEXT, ORT TEXT, KM INTEGER)"));
    db->run(QStringLiteral("INSERT INTO km VALUES ('35037', 'Marburg', 5), ('35037', 'Marburg', 6)"));
    try {
        TableBuilder(*db).RepairTables();
        FAIL() << "duplicate keys must stop the rebuild";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Die Tabelle km kann nicht neu aufgebaut werden")))
            << e.message().toStdString();
    }
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM km")), 2);
}

TEST_F(MaintenanceTest, MissingTablesAreCreatedAndWorkTablesGetTheirKey)
{
    db->execScript(QStringLiteral("DROP TABLE Statist; DROP TABLE Reise"));
    const auto outcome = TableBuilder(*db).RepairTables();
    EXPECT_EQ(outcome.created, (QStringList{QStringLiteral("Reise"), QStringLiteral("Statist")}));
    const auto work = TableBuilder(*db).PrepareWorkTables();
    EXPECT_EQ(work.rebuilt, QStringList{QStringLiteral("Reise")});
    EXPECT_EQ(work.created, QStringList{QStringLiteral("LagerTemp")});
    EXPECT_TRUE(db->scalar(QStringLiteral("SELECT sql FROM sqlite_schema WHERE name = 'Reise'"))
                    .toString()
                    .contains(QStringLiteral("PRIMARY KEY")));
    const qint64 id = db->insertReturningAutoInc(Schema::workTables().front(),
                                                 {{QStringLiteral("Datum"), QDate(2005, 1, 3)}});
    EXPECT_EQ(id, 1);
}

TEST_F(MaintenanceTest, UpgradeAddsLaterColumnsAndFillsThem)
{
    db->execScript(QStringLiteral(
        "DROP TABLE Tuppkopf; CREATE TABLE Tuppkopf (R_NR TEXT PRIMARY KEY, MWoche TEXT, S_UMSATZ REAL);"
        "DROP TABLE Kunden; CREATE TABLE Kunden (K_NR TEXT PRIMARY KEY, NAME TEXT, B_WARINBZH TEXT);"
        "DROP TABLE Lager; CREATE TABLE Lager (L_NR TEXT PRIMARY KEY, L_TEXT TEXT);"
        "INSERT INTO Tuppkopf VALUES ('010105A', '200453', 100), ('020105A', '200453', 0);"
        "INSERT INTO Kunden (K_NR, NAME) VALUES ('100002', 'Alt');"));
    db->run(QStringLiteral(
        "INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, SUMME) VALUES ('010105A', '02', 'A100', '10', 100)"));
    db->run(QStringLiteral(
        "INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, SUMME) VALUES ('010105A', '02', 'A101', 'XX', 50)"));

    const QStringList added = TableUpgrade(*db).UpgradeTables();

    EXPECT_EQ(added.size(), 1 + 4 + 8 + 7); // the old customer table had B_WARINBZH already
    for (const char* table : {"Tuppkopf", "Kunden", "Lager"}) {
        for (const QString& field : {QStringLiteral("VF_TEXT"), QStringLiteral("BZH_VF_ART"),
                                     QStringLiteral("WFREIGAB"), QStringLiteral("BZH_VERANSTALT")}) {
            if (Schema::get(QString::fromLatin1(table)).field(field)) {
                EXPECT_TRUE(db->columns(QString::fromLatin1(table)).contains(field))
                    << table << " " << field.toStdString();
            }
        }
    }
    const double vkgFactor =
        db->scalar(QStringLiteral("SELECT UMSATZ_VKG FROM VA WHERE VA = '10'")).toDouble();
    EXPECT_DOUBLE_EQ(
        db->scalar(QStringLiteral("SELECT VKG_UMSATZ FROM Tuppkopf WHERE R_NR = '010105A'")).toDouble(),
        100 * vkgFactor);
    EXPECT_TRUE(
        db->scalar(QStringLiteral("SELECT VKG_UMSATZ FROM Tuppkopf WHERE R_NR = '020105A'")).isNull());
    EXPECT_EQ(
        db->rows(QStringLiteral("SELECT B_WARINBZH, B_WARBZHKV, BI_BZH_KV, BI_BZH_VERAN FROM Kunden"))[0],
        (QVariantList{QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N")}));
    EXPECT_TRUE(TableUpgrade(*db).UpgradeTables().isEmpty()); // a second start changes nothing
}

TEST_F(MaintenanceTest, UpgradeAndRepairAddTheIndexesOfLaterVersions)
{
    // A data set of an earlier version: the week closing's index on the order lines is missing.
    const QString index = QStringLiteral("Tupper1_TeilwocheIndex");
    const QString linesOfAWeek = QStringLiteral(
        "EXPLAIN QUERY PLAN SELECT * FROM Tupper1 WHERE MWoche = ? AND TWoche >= ? AND TWoche <= ?");
    auto usesIndex = [&] {
        for (const QVariantList& row : db->rows(linesOfAWeek, {"202604", "1", "9"})) {
            if (row.value(3).toString().contains(index))
                return true;
        }
        return false;
    };
    ASSERT_TRUE(usesIndex());
    for (int pass = 0; pass < 2; ++pass) {
        db->execScript(QStringLiteral("DROP INDEX %1").arg(index));
        db->schemaChanged();
        ASSERT_FALSE(usesIndex());
        if (pass == 0)
            TableUpgrade(*db).UpgradeTables();
        else
            TableBuilder(*db).RepairTables();
        EXPECT_TRUE(usesIndex()) << (pass == 0 ? "upgrade" : "repair");
    }
}

TEST_F(MaintenanceTest, RemovesEveryIncompleteRecordEvenSideBySide)
{
    db->insert(kopf, party("010105A", "200453", "1"));
    db->insert(kopf, party("", "200453", "1"));
    for (const char* p : {"01", "02", "03", "04", "05"}) {
        QVariantMap row = party("010105A", "200453", "1");
        row.insert(QStringLiteral("P_NR"), QString::fromLatin1(p));
        if (QByteArray(p) >= "03")
            row.insert(QStringLiteral("TWoche"), QString());
        db->insert(teilnehmer, row);
        row.insert(QStringLiteral("L_NR"), QStringLiteral("A100"));
        row.insert(QStringLiteral("VA"), QStringLiteral("10"));
        db->insert(zeilen, row);
    }
    const auto removed = IncompleteRecords(*db).RemoveIncompleteRecords();
    EXPECT_EQ(removed.lines, 3);
    EXPECT_EQ(removed.participants, 3);
    EXPECT_EQ(removed.parties, 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Tupper1")), 2);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Tupper")), 2);
}

TEST_F(MaintenanceTest, EmptyingKeepsPlacesAndBringsBackTheFixedCustomers)
{
    db->insert(Schema::get(QStringLiteral("Kunden")), {{QStringLiteral("K_NR"), QStringLiteral("100002")}});
    db->run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = '099999'"));
    db->insert(Schema::get(QStringLiteral("Orte")),
               {{QStringLiteral("PLZ"), QStringLiteral("35037")},
                {QStringLiteral("ORTSNAME"), QStringLiteral("Marburg")}});
    db->insert(Schema::get(QStringLiteral("km")), {{QStringLiteral("PLZ"), QStringLiteral("35037")},
                                                   {QStringLiteral("ORT"), QStringLiteral("Marburg")},
                                                   {QStringLiteral("KM"), 12}});
    db->insert(kopf, party("010105A", "200453", "1"));
    const int kinds = count(*db, QStringLiteral("SELECT count(*) FROM VA"));

    const QStringList emptied = DataReset(*db).EmptyAllTables();

    EXPECT_TRUE(emptied.contains(QStringLiteral("Tuppkopf")));
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Kunden")), 3);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '099999'")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Tuppkopf")), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM Orte")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM km")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM VA")), kinds);
}

TEST_F(MaintenanceTest, FixedCustomersAreInsertedOnlyWhereMissing)
{
    db->run(QStringLiteral("UPDATE Kunden SET NAME = 'Meier' WHERE K_NR = '100001'"));
    db->run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = '100000'"));
    EXPECT_EQ(FixedCustomers(*db).ensureAtStartup(), 1);
    EXPECT_EQ(FixedCustomers(*db).ensureAtStartup(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR = '100001'")).toString(),
              QStringLiteral("Meier"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT VORNAME FROM Kunden WHERE K_NR = '100000'")).toString(),
              QStringLiteral("Vorlix-Soft"));
    EXPECT_TRUE(FixedCustomers::isFixed(QStringLiteral("099999")));
    EXPECT_FALSE(FixedCustomers::isFixed(QStringLiteral("100002")));
}

TEST_F(MaintenanceTest, DistancesAreLearnedOncePerPlace)
{
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    auto customer = [&](const char* nr, const char* plz, const char* ort, int km) {
        db->insert(kunden, {{QStringLiteral("K_NR"), QString::fromLatin1(nr)},
                            {QStringLiteral("PLZ"), QString::fromLatin1(plz)},
                            {QStringLiteral("ORT"), QString::fromUtf8(ort)},
                            {QStringLiteral("KM_ENTF"), km}});
    };
    db->insert(Schema::get(QStringLiteral("km")), {{QStringLiteral("PLZ"), QStringLiteral("35037")},
                                                   {QStringLiteral("ORT"), QStringLiteral("Marburg-Cappel")},
                                                   {QStringLiteral("KM"), 3}});
    customer("100002", "35037", "marburg", 9); // known as a prefix of Marburg-Cappel, any case
    customer("100003", "35041", "Wehrda", 7);
    customer("100004", "35041", "WEHRDA", 8);    // the same place again
    customer("100005", "35043", "Bauerbach", 0); // no distance
    customer("100006", "", "Cölbe", 4);          // no postcode
    customer("100007", "35094", "Lahntal-Göttingen", 11);
    ErrorLog log(home.home().errorLogFile());
    EXPECT_EQ(DistanceRebuild(*db, log).RebuildDistances(), 2);
    EXPECT_EQ(DistanceRebuild(*db, log).RebuildDistances(), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT KM FROM km WHERE PLZ = '35041'")), 7);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM km")), 3);
}

TEST_F(MaintenanceTest, WeeklyMaintenanceRunsAfterSevenDaysOnly)
{
    Options options(home.home().optionsFile());
    ASSERT_TRUE(options.LoadOptions());
    const QDate today(2005, 3, 14);
    QFile status(home.home().statusFile());
    ASSERT_TRUE(status.open(QIODevice::WriteOnly));
    status.write("Euro\r\n");
    status.close();
    db->insert(kopf, party("010305A", "200509", "1"));

    options.setText(QStringLiteral("Datum"), QStringLiteral("08.03.2005"));
    EXPECT_FALSE(WeeklyMaintenance(*db, home.home(), options).run(today));
    EXPECT_FALSE(QDir(home.home().backupDir()).exists());

    QStringList steps;
    options.setText(QStringLiteral("Datum"), QStringLiteral("07.03.2005"));
    EXPECT_TRUE(WeeklyMaintenance(*db, home.home(), options).run(today, [&](const QString& text, int) {
        steps << text;
    }));
    EXPECT_EQ(steps, (QStringList{QStringLiteral("Automatische wöchentliche Datenbanksicherung"),
                                  QStringLiteral("Datenbankenindex wird erstellt.")}));
    EXPECT_EQ(options.text(QStringLiteral("Datum")), QStringLiteral("14.03.2005"));
    EXPECT_TRUE(QFile::exists(home.home().backupDir() + QStringLiteral("/Status.txt")));
    auto copy = Database::open(home.home().backupDir() + QStringLiteral("/korbelant.sqlite"),
                               Database::Mode::OpenExisting);
    EXPECT_EQ(count(*copy, QStringLiteral("SELECT count(*) FROM Tuppkopf")), 1);
    // The same copy is kept as the day's backup.
    EXPECT_TRUE(QFile::exists(home.home().backupDir() + QStringLiteral("/2005-03-14/korbelant.sqlite")));
    EXPECT_TRUE(QFile::exists(home.home().backupDir() + QStringLiteral("/2005-03-14/Status.txt")));
    EXPECT_EQ(count(*db, QStringLiteral("SELECT count(*) FROM MWoche WHERE MWoche = '200509'")), 1);

    options.setText(QStringLiteral("Datum"), QStringLiteral("kein Datum"));
    EXPECT_FALSE(WeeklyMaintenance(*db, home.home(), options).run(today));
    Options saved(home.home().optionsFile());
    ASSERT_TRUE(saved.LoadOptions());
    EXPECT_EQ(saved.text(QStringLiteral("Datum")), QStringLiteral("14.03.2005"));
}

TEST(ErrorLog, AppendsOneLinePerError)
{
    TempHome home(false);
    ErrorLog log(home.home().errorLogFile());
    ScriptedUi ui;
    log.LogException(QStringLiteral("Erster Fehler"), true, &ui);
    log.LogException(QStringLiteral("Zweiter\nFehler"), false, &ui);
    QFile file(log.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(" Erster Fehler\r"));
    EXPECT_TRUE(lines[1].endsWith(" Zweiter Fehler\r"));
    EXPECT_EQ(QDate::fromString(QString::fromLatin1(lines[0].left(10)), QStringLiteral("dd.MM.yyyy")),
              QDate::currentDate());
    EXPECT_EQ(ui.shownTexts(), QStringList{QStringLiteral("Zweiter\nFehler")});
}
