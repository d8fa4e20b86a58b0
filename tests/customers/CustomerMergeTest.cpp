#include "support/CustomerStoreFixture.h"

#include "core/BackupBeforeChange.h"
#include "core/KeptBackups.h"
#include "core/Schema.h"
#include "customers/CustomerMerge.h"

#include <QDir>
#include <QFile>

namespace korbelant::test {

namespace {

class CustomerMergeTest : public CustomerStoreFixture
{
protected:
    void SetUp() override
    {
        k1 = add({{"NAME", "Berg"}, {"VORNAME", "Eva"}});
        k2 = add({{"NAME", "Berg"}, {"VORNAME", "Eva Maria"}});
        other = add({{"NAME", "Other"}});
        const TableDef& kopf = Schema::get("Tuppkopf");
        const TableDef& tupper = Schema::get("Tupper");
        db->insert(kopf, {{"R_NR", "010325A"}, {"K_NR", k2}});
        db->insert(kopf, {{"R_NR", "020325A"}, {"K_NR", other}});
        db->insert(tupper, {{"R_NR", "010325A"}, {"P_NR", "01"}, {"K_NR", k2}});
        db->insert(tupper, {{"R_NR", "020325A"}, {"P_NR", "01"}, {"K_NR", other}});
        db->insert(tupper, {{"R_NR", "020325A"}, {"P_NR", "02"}, {"K_NR", k2}});
        db->insert(tupper, {{"R_NR", "020325A"}, {"P_NR", "03"}, {"K_NR", k1}});
    }

    int rowsOf(const char* table, const QString& number)
    {
        return db
            ->scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE K_NR = ?").arg(QString::fromLatin1(table)),
                     {number})
            .toInt();
    }

    QString k1, k2, other;
};

} // namespace

TEST_F(CustomerMergeTest, MovesPartiesAndParticipationsAndRemovesTheSecond)
{
    CustomerMerge merge(store);
    ScriptedUi yes({UiPort::Answer::Yes});
    TClientDataModul asking(*db, yes);
    ASSERT_TRUE(CustomerMerge(asking).Vereinen(k1, k2));
    EXPECT_TRUE(yes.wasShown(CustomerMerge::question(k1, k2)));
    EXPECT_EQ(CustomerMerge::question(k1, k2),
              QStringLiteral("Wollen Sie den Kunden %1 mit dem Kunden %2 zusammenführen  ?").arg(k2, k1));
    EXPECT_FALSE(store.load(k2));
    EXPECT_EQ(rowsOf("Tuppkopf", k1), 1);
    EXPECT_EQ(rowsOf("Tupper", k1), 3);
    EXPECT_EQ(rowsOf("Tuppkopf", k2) + rowsOf("Tupper", k2), 0);
    EXPECT_EQ(rowsOf("Tupper", other), 1);
    EXPECT_EQ(rowsOf("Tuppkopf", other), 1);
}

TEST_F(CustomerMergeTest, NoLeavesEverythingAsItWas)
{
    ScriptedUi no({UiPort::Answer::No});
    TClientDataModul asking(*db, no);
    EXPECT_FALSE(CustomerMerge(asking).Vereinen(k1, k2));
    EXPECT_TRUE(store.load(k2));
    EXPECT_EQ(rowsOf("Tupper", k2), 2);
}

TEST_F(CustomerMergeTest, RefusedMergesMoveNothing)
{
    db->insert(Schema::get("Tupper"), {{"R_NR", "030325A"}, {"P_NR", "02"}, {"K_NR", "099999"}});
    const struct
    {
        QString first, second, message;
    } cases[] = {
        {k1, QStringLiteral("099999"), TClientDataModul::kReservedMessage},
        {k1, QStringLiteral("100001"), TClientDataModul::kReservedMessage},
        {k2, k2, QStringLiteral("Ein Kunde kann nicht mit sich selbst zusammengeführt werden.")},
        {k1, QStringLiteral("123456"), QStringLiteral("Den Kunden 123456 gibt es nicht.")},
        {QStringLiteral("123456"), k2, QStringLiteral("Den Kunden 123456 gibt es nicht.")},
    };
    for (const auto& c : cases) {
        ScriptedUi fresh;
        TClientDataModul s(*db, fresh);
        EXPECT_FALSE(CustomerMerge(s).merge(c.first, c.second)) << c.second.toStdString();
        EXPECT_TRUE(fresh.wasShown(c.message)) << fresh.shownTexts().join("|").toStdString();
        EXPECT_EQ(rowsOf("Tupper", k2), 2);
        EXPECT_EQ(rowsOf("Tupper", "099999"), 1);
        EXPECT_TRUE(store.load(k2));
    }
}

// The day's backup is made before anything moves: it still holds both customers and their rows.
TEST_F(CustomerMergeTest, BacksTheDataSetUpBeforeItMerges)
{
    ASSERT_TRUE(CustomerMerge(store).merge(k1, k2));
    const auto backup = KeptBackups(home.home()).ofDay(QDate::currentDate());
    ASSERT_TRUE(backup);
    auto copy = Database::open(backup->databaseFile, Database::Mode::OpenExisting);
    EXPECT_EQ(copy->scalar("SELECT count(*) FROM Kunden WHERE K_NR IN (?, ?)", {k1, k2}).toInt(), 2);
    EXPECT_EQ(copy->scalar("SELECT count(*) FROM Tupper WHERE K_NR = ?", {k2}).toInt(), 2);
    EXPECT_FALSE(store.load(k2));
}

// Without a backup the merge does not start: the failure is shown, logged, and nothing moves.
TEST_F(CustomerMergeTest, NoBackupNoMerge)
{
    // A file where the backup directory belongs cannot take a backup.
    QFile blocker(home.home().backupDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedUi fresh;
    TClientDataModul s(*db, fresh);
    EXPECT_FALSE(CustomerMerge(s).merge(k1, k2));
    EXPECT_TRUE(fresh.shownTexts().join("|").contains(BackupBeforeChange::kFailed))
        << fresh.shownTexts().join("|").toStdString();
    EXPECT_TRUE(store.load(k2));
    EXPECT_EQ(rowsOf("Tupper", k2), 2);
    QFile log(home.home().errorLogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QStringLiteral("Sicherungsverzeichnis")));
}

} // namespace korbelant::test
