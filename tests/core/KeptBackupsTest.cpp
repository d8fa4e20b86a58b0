#include "core/KeptBackups.h"
#include "core/BackupCheck.h"
#include "core/BackupRestore.h"
#include "core/DataTextFiles.h"
#include "core/Schema.h"
#include "core/VerifiedBackup.h"
#include "support/DataSetFixture.h"
#include "support/FileBytes.h"
#include "support/TableContents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

const QDate kDay(2025, 12, 1);

class KeptBackupsTest : public DataSetFixture
{
protected:
    void addCustomer(const QString& number, const QString& name)
    {
        db().insert(Schema::get("Kunden"), {{"K_NR", number}, {"NAME", name}});
    }
    int customers() { return db().scalar("SELECT count(*) FROM Kunden").toInt(); }
    KeptBackups kept() const { return KeptBackups(m_home.home()); }
    VerifiedBackup backup() { return VerifiedBackup(db(), m_home.home()); }
    QString contents() { return tableContents(db(), {"Kunden", "Tuppkopf", "Tupper", "Tupper1", "Lager"}); }
    QString errorLog() const { return QString::fromUtf8(fileBytes(m_home.home().errorLogFile())); }

    static int countIn(const QString& databaseFile, const char* table)
    {
        auto copy = Database::open(databaseFile, Database::Mode::OpenExisting);
        return copy->scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table)).toInt();
    }
};

// Ten backups on ten days leave the newest eight, each a directory of its day with the copy and the
// text files of DB/; DBSicher/ itself holds the newest copy as before.
TEST_F(KeptBackupsTest, KeepsTheNewestEightDays)
{
    writeFileBytes(m_home.home().statusFile(), "Euro\r\n");
    for (int i = 0; i < 10; ++i) {
        addCustomer(QStringLiteral("2000%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Kundin"));
        ASSERT_TRUE(backup().make(kDay.addDays(i), nullptr)) << i;
    }
    const std::vector<KeptBackup> list = kept().list();
    ASSERT_EQ(list.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        const KeptBackup& b = list.at(static_cast<size_t>(i));
        EXPECT_EQ(b.day, kDay.addDays(9 - i));
        EXPECT_EQ(QFileInfo(b.textDirectory).fileName(), b.day.toString(Qt::ISODate));
        EXPECT_TRUE(QFile::exists(QDir(b.textDirectory).filePath("Status.txt")));
        EXPECT_GT(b.bytes, QFileInfo(b.databaseFile).size() - 1);
        // Each day's copy is of its own moment: one customer more every day.
        EXPECT_EQ(countIn(b.databaseFile, "Kunden"), 3 + 10 - i);
    }
    EXPECT_FALSE(QFileInfo::exists(kept().dayDirectory(kDay)));
    EXPECT_FALSE(QFileInfo::exists(kept().dayDirectory(kDay.addDays(1))));
    EXPECT_EQ(countIn(m_home.home().backupDir() + "/korbelant.sqlite", "Kunden"), customers());
    EXPECT_EQ(QDir(m_home.home().backupDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 8);
}

// A second backup on the same day replaces the first once it has passed its check.
TEST_F(KeptBackupsTest, SecondBackupOfTheDayReplacesTheFirst)
{
    ASSERT_TRUE(backup().make(kDay, nullptr));
    addCustomer("200001", "Neu");
    ASSERT_TRUE(backup().make(kDay, nullptr));
    const auto list = kept().list();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(countIn(list.front().databaseFile, "Kunden"), 4);
    EXPECT_EQ(QDir(m_home.home().backupDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{kDay.toString(Qt::ISODate)});
}

// A copy damaged between copying and checking is found, removed and never kept; the day's earlier
// backup stays as it was.
TEST_F(KeptBackupsTest, DamagedCopyIsRemoved)
{
    for (int i = 0; i < 200; ++i)
        addCustomer(QStringLiteral("3%1").arg(i, 5, 10, QLatin1Char('0')),
                    QStringLiteral("Kundin %1").arg(i));
    ASSERT_TRUE(backup().make(kDay, nullptr));
    const QByteArray earlier = fileBytes(kept().ofDay(kDay)->databaseFile);
    addCustomer("400000", "Später");

    const struct Case
    {
        const char* what;
        std::function<void(const QString& file)> damage;
    } cases[] = {
        {"a page overwritten",
         [](const QString& file) {
             QByteArray bytes = fileBytes(file);
             ASSERT_GT(bytes.size(), 4 * 4096);
             bytes.replace(3 * 4096, 4096, QByteArray(4096, '\xff'));
             writeFileBytes(file, bytes);
         }},
        {"cut short", [](const QString& file) { writeFileBytes(file, fileBytes(file).left(3 * 4096)); }},
        {"header gone",
         [](const QString& file) {
             QByteArray bytes = fileBytes(file);
             bytes.replace(0, 100, QByteArray(100, 'x'));
             writeFileBytes(file, bytes);
         }},
        {"records missing",
         [](const QString& file) {
             auto copy = Database::open(file, Database::Mode::OpenExisting);
             copy->run("DELETE FROM Kunden WHERE K_NR LIKE '3%'");
         }},
        {"file gone", [](const QString& file) { QFile::remove(file); }},
    };
    for (const Case& c : cases) {
        VerifiedBackup made = backup();
        const VerifiedBackup::Pending pending = made.copy(kDay);
        ASSERT_FALSE(BackupCheck::verify(pending.databaseFile, pending.counts)) << c.what;
        c.damage(pending.databaseFile);
        const auto problem = made.keep(pending);
        ASSERT_TRUE(problem) << c.what;
        EXPECT_TRUE(problem->startsWith("Die Sicherung ")) << problem->toStdString();
        EXPECT_FALSE(QFileInfo::exists(pending.directory)) << c.what;
        EXPECT_EQ(fileBytes(kept().ofDay(kDay)->databaseFile), earlier) << c.what;
    }
    EXPECT_EQ(kept().list().size(), 1u);
}

// What a backup cut short (a killed program) left is put right by the next one: an unchecked copy
// goes, the day's older backup set aside comes back when nothing took its place.
TEST_F(KeptBackupsTest, LeftoversOfABackupCutShort)
{
    ASSERT_TRUE(backup().make(kDay, nullptr));
    const QString day = kept().dayDirectory(kDay);
    const QString other = kept().dayDirectory(kDay.addDays(1));
    ASSERT_TRUE(QDir().rename(day, day + ".alt"));
    writeFileBytes(other + ".neu/korbelant.sqlite", "halb");
    writeFileBytes(other + ".alt/korbelant.sqlite", "alt");
    writeFileBytes(other + "/korbelant.sqlite", "neu");
    kept().tidyUp();
    EXPECT_TRUE(kept().ofDay(kDay)) << "set aside, and no new one in its place";
    EXPECT_EQ(fileBytes(other + "/korbelant.sqlite"), QByteArray("neu"));
    EXPECT_EQ(QDir(m_home.home().backupDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{kDay.toString(Qt::ISODate), kDay.addDays(1).toString(Qt::ISODate)}));
}

// A backup that cannot be made is appended to ExceptList.EXC and shown.
TEST_F(KeptBackupsTest, FailedBackupIsLoggedAndShown)
{
    writeFileBytes(m_home.home().backupDir(), "kein Verzeichnis");
    EXPECT_FALSE(backup().make(kDay, &ui()));
    ASSERT_EQ(ui().shown().size(), 1);
    EXPECT_EQ(ui().shown().front().kind, QStringLiteral("Fehler"));
    EXPECT_TRUE(errorLog().contains(ui().shown().front().text)) << errorLog().toStdString();
}

class RestoreTest : public KeptBackupsTest
{
protected:
    void SetUp() override
    {
        addCustomer("200001", "Vorher");
        writeFileBytes(m_home.home().statusFile(), "DEM\r\n");
    }
    // The changes that a restore must take back.
    void change()
    {
        db().run("UPDATE Kunden SET NAME = 'Nachher' WHERE K_NR = '200001'");
        addCustomer("200002", "Dazu");
        db().run("DELETE FROM Kunden WHERE K_NR = '100000'");
        writeFileBytes(m_home.home().statusFile(), "Euro\r\n");
    }
    BackupRestore::Outcome restore(const KeptBackup& from, const QDate& today, UiPort::Answer answer)
    {
        ui().addAnswer(answer);
        return BackupRestore(*m_set, ui()).restore(from, today);
    }
};

// Change, restore, and the data set is as before: every record and the currency file. The state
// before the restore is itself kept as a backup of the day of the restore.
TEST_F(RestoreTest, RoundTrip)
{
    const QString before = contents();
    ASSERT_TRUE(backup().make(kDay, nullptr));
    change();
    const QString changed = contents();
    ASSERT_NE(changed, before);

    EXPECT_EQ(restore(*kept().ofDay(kDay), kDay.addDays(3), UiPort::Answer::Yes),
              BackupRestore::Outcome::Restored);
    EXPECT_TRUE(ui().wasShown(QStringLiteral(
        "Der aktuelle Datenbestand wird durch die Sicherung vom 01.12.2025 ersetzt. Fortfahren?")));
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(fileBytes(m_home.home().statusFile()), QByteArray("DEM\r\n"));
    // The connection stays usable after its pages were replaced.
    addCustomer("200003", "Danach");
    EXPECT_EQ(customers(), 5);
    const auto undo = kept().ofDay(kDay.addDays(3));
    ASSERT_TRUE(undo);
    EXPECT_EQ(countIn(undo->databaseFile, "Kunden"), 4);
    EXPECT_EQ(fileBytes(QDir(undo->textDirectory).filePath("Status.txt")), QByteArray("Euro\r\n"));
}

// Restoring the backup of today: the backup of the current state takes that day's place, yet the
// state restored is the one chosen.
TEST_F(RestoreTest, BackupOfTodayIsRestoredThoughItIsReplaced)
{
    const QString before = contents();
    ASSERT_TRUE(backup().make(kDay, nullptr));
    change();
    EXPECT_EQ(restore(*kept().ofDay(kDay), kDay, UiPort::Answer::Yes), BackupRestore::Outcome::Restored);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(countIn(kept().ofDay(kDay)->databaseFile, "Kunden"), 4);
    EXPECT_EQ(QDir(m_home.home().backupDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{kDay.toString(Qt::ISODate)});
}

// No to the question, or a damaged backup: the data set stays exactly as it is.
TEST_F(RestoreTest, DeclinedOrDamagedLeavesTheDataSet)
{
    ASSERT_TRUE(backup().make(kDay, nullptr));
    change();
    const QString changed = contents();
    const KeptBackup chosen = *kept().ofDay(kDay);
    EXPECT_EQ(restore(chosen, kDay.addDays(1), UiPort::Answer::No), BackupRestore::Outcome::Cancelled);
    EXPECT_EQ(contents(), changed);

    QByteArray bytes = fileBytes(chosen.databaseFile);
    bytes.replace(2 * 4096, 4096, QByteArray(4096, '\0'));
    writeFileBytes(chosen.databaseFile, bytes);
    EXPECT_EQ(restore(chosen, kDay.addDays(1), UiPort::Answer::Yes), BackupRestore::Outcome::Failed);
    EXPECT_EQ(contents(), changed);
    EXPECT_FALSE(kept().ofDay(kDay.addDays(1))) << "nothing to undo when nothing was restored";
    EXPECT_TRUE(errorLog().contains("ist nicht in Ordnung")) << errorLog().toStdString();
}

// A backup of an older version lacks tables: the check after the restore brings them back.
TEST_F(RestoreTest, TablesAreCheckedAfterTheRestore)
{
    db().run("DROP TABLE Ausgaben");
    ASSERT_TRUE(backup().make(kDay, nullptr));
    db().run("DELETE FROM Kunden WHERE K_NR = '200001'");
    EXPECT_EQ(restore(*kept().ofDay(kDay), kDay.addDays(1), UiPort::Answer::Yes),
              BackupRestore::Outcome::Restored);
    EXPECT_TRUE(db().tableExists("Ausgaben"));
    EXPECT_EQ(db().scalar("SELECT NAME FROM Kunden WHERE K_NR = '200001'").toString(), "Vorher");
}

// A day or a path names a backup; a single database file restores without text files.
TEST_F(KeptBackupsTest, FindsByDayOrPath)
{
    ASSERT_TRUE(backup().make(kDay, nullptr));
    const QString day = kept().dayDirectory(kDay);
    const struct Case
    {
        QString given;
        QString databaseFile; // empty: none
        QString textDirectory;
    } cases[] = {
        {"01.12.2025", day + "/korbelant.sqlite", day},
        {"2025-12-01", day + "/korbelant.sqlite", day},
        {day, day + "/korbelant.sqlite", day},
        {day + "/korbelant.sqlite", day + "/korbelant.sqlite", ""},
        {"02.12.2025", "", ""},
        {"2025-13-01", "", ""},
        {m_home.root() + "/nichts.sqlite", "", ""},
    };
    for (const Case& c : cases) {
        const auto found = kept().find(c.given);
        EXPECT_EQ(found.has_value(), !c.databaseFile.isEmpty()) << c.given.toStdString();
        if (!found)
            continue;
        EXPECT_EQ(found->databaseFile, c.databaseFile);
        EXPECT_EQ(found->textDirectory, c.textDirectory);
        EXPECT_EQ(found->day,
                  c.textDirectory.isEmpty() ? QFileInfo(c.databaseFile).lastModified().date() : kDay);
    }
}

} // namespace

} // namespace korbelant::test
