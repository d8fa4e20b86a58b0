#include "core/LastBackup.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

struct BackupFile
{
    const char* name;
    int daysAgo;
};

// Writes the file into DBSicher/ with its modification time the given days back.
void place(const DataHome& home, const BackupFile& f, const QDateTime& now)
{
    ASSERT_TRUE(QDir().mkpath(home.backupDir()));
    QFile file(home.backupDir() + QLatin1Char('/') + QString::fromLatin1(f.name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Sicherung");
    file.flush(); // written before the time is set, so that the time stays
    ASSERT_TRUE(file.setFileTime(now.addDays(-f.daysAgo), QFileDevice::FileModificationTime));
}

} // namespace

// The day shown is that of the newest copy of the data set; text files alone, an empty or a
// missing DBSicher/ are no backup.
TEST(LastBackupTest, NewestCopyOfTheDataSet)
{
    const struct Case
    {
        const char* what;
        bool makeDirectory;
        std::vector<BackupFile> files;
        int expectedDaysAgo; // -1: no backup
    } cases[] = {
        {"no DBSicher/", false, {}, -1},
        {"empty DBSicher/", true, {}, -1},
        {"only the text files", true, {{"Status.txt", 1}}, -1},
        {"one copy", true, {{"korbelant.sqlite", 3}, {"Status.txt", 3}}, 3},
        {"the newest of several copies",
         true,
         {{"korbelant-alt.sqlite", 40}, {"korbelant.sqlite", 8}, {"vorher.sqlite", 15}, {"Status.txt", 0}},
         8},
    };
    const QDateTime now = QDateTime::currentDateTime();
    for (const Case& c : cases) {
        test::TempHome home(false);
        if (c.makeDirectory) {
            ASSERT_TRUE(QDir().mkpath(home.home().backupDir()));
        }
        for (const BackupFile& f : c.files)
            place(home.home(), f, now);
        const auto newest = LastBackup::newest(home.home().backupDir());
        if (c.expectedDaysAgo < 0) {
            EXPECT_FALSE(newest.has_value()) << c.what;
            EXPECT_EQ(LastBackup::shown(home.home()), QStringLiteral("noch keine")) << c.what;
        } else {
            const QDate day = now.addDays(-c.expectedDaysAgo).date();
            EXPECT_EQ(newest, day) << c.what;
            EXPECT_EQ(LastBackup::shown(home.home()), day.toString(QStringLiteral("dd.MM.yyyy"))) << c.what;
        }
    }
}
