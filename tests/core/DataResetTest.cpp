#include "core/DataReset.h"

#include "core/BackupBeforeChange.h"
#include "core/DataSet.h"
#include "core/KeptBackups.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class DataResetTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<DataSet> set = DataSet::open(home.home());
    ScriptedUi ui;

    void SetUp() override
    {
        Database& db = set->db();
        db.insert(Schema::get(QStringLiteral("Kunden")),
                  {{QStringLiteral("K_NR"), QStringLiteral("100002")}});
        db.insert(Schema::get(QStringLiteral("Tuppkopf")),
                  {{QStringLiteral("R_NR"), QStringLiteral("010105A")},
                   {QStringLiteral("MWoche"), QStringLiteral("200453")},
                   {QStringLiteral("TWoche"), QStringLiteral("1")}});
        db.run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = '099999'"));
    }

    int count(const QString& sql) { return set->db().scalar(sql).toInt(); }

    QByteArray errorLog() const
    {
        QFile file(home.home().errorLogFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(DataResetTest, FixedCustomersComeBackWhetherTheWarningEmptiedOrNot)
{
    struct Case
    {
        const char* what;
        bool confirm;
        int customers;
        int parties;
    };
    for (const Case& c : {Case{"cancelled", false, 4, 1}, Case{"confirmed", true, 3, 0}}) {
        bool warned = false;
        DataReset::resetAll(*set, ui, [&] {
            warned = true;
            if (c.confirm) {
                EXPECT_EQ(DataReset::emptyTables(*set), std::nullopt) << c.what;
            }
        });
        EXPECT_TRUE(warned) << c.what;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Kunden")), c.customers) << c.what;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '099999'")), 1) << c.what;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Tuppkopf")), c.parties) << c.what;
        EXPECT_TRUE(ui.shown().isEmpty()) << c.what;
    }
    EXPECT_TRUE(errorLog().isEmpty());
}

TEST_F(DataResetTest, AFailureWhileEmptyingIsLoggedAndKeepsEveryTable)
{
    set->db().execScript(QStringLiteral(
        "CREATE TRIGGER Gesperrt BEFORE DELETE ON Tuppkopf BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    const std::optional<QString> failure = DataReset::emptyTables(*set);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("gesperrt"))) << failure->toStdString();
    EXPECT_TRUE(errorLog().contains("gesperrt")) << errorLog().toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '100002'")), 1)
        << "the customers are kept";
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Tuppkopf")), 1);
    EXPECT_TRUE(ui.shown().isEmpty()) << "the window shows it";
}

// The tables are emptied only after a backup of the day that still holds everything; without one
// nothing is emptied and the window is given the message.
TEST_F(DataResetTest, EmptiesOnlyAfterABackup)
{
    ASSERT_EQ(DataReset::emptyTables(*set), std::nullopt);
    const auto backup = KeptBackups(home.home()).ofDay(QDate::currentDate());
    ASSERT_TRUE(backup);
    auto copy = Database::open(backup->databaseFile, Database::Mode::OpenExisting);
    EXPECT_EQ(copy->scalar(QStringLiteral("SELECT count(*) FROM Tuppkopf")).toInt(), 1);
    EXPECT_EQ(copy->scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '100002'")).toInt(), 1);

    set->db().insert(Schema::get(QStringLiteral("Kunden")),
                     {{QStringLiteral("K_NR"), QStringLiteral("100003")}});
    QDir(home.home().backupDir()).removeRecursively();
    QFile blocker(home.home().backupDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::optional<QString> failure = DataReset::emptyTables(*set);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->endsWith(BackupBeforeChange::kFailed)) << failure->toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '100003'")), 1);
    EXPECT_TRUE(ui.shown().isEmpty()) << "the window shows it";
}

TEST_F(DataResetTest, AFailureBringingTheFixedCustomersBackIsLoggedAndShown)
{
    set->db().execScript(QStringLiteral("ALTER TABLE Kunden RENAME TO KundenWeg"));
    DataReset::resetAll(*set, ui, [] {});
    ASSERT_EQ(ui.shown().size(), 1);
    EXPECT_EQ(ui.shown().front().kind, QStringLiteral("Fehler"));
    EXPECT_TRUE(ui.shown().front().text.contains(QStringLiteral("Kunden")));
    EXPECT_TRUE(errorLog().contains("Kunden")) << errorLog().toStdString();
}

} // namespace
} // namespace korbelant
