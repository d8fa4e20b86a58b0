#include "core/DriveMap.h"

#include "core/Options.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace korbelant {
namespace {

TEST(DriveMap, DefaultsAndConfiguredDirectories)
{
    QTemporaryDir dir;
    Options options(dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(DriveMap(options).directoryOf(QStringLiteral("a")), DriveMap::kDefaultA);
    EXPECT_EQ(DriveMap(options).directoryOf(QStringLiteral("B")), DriveMap::kDefaultB);

    // A mapping written into Optionen.ini by hand is read and kept by a save.
    QFile ini(dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[KLV]\r\nLaufwerkA=/srv/diskette\r\n");
    ini.close();
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(DriveMap(options).directoryOf(QStringLiteral("a")), QStringLiteral("/srv/diskette"));
    ASSERT_TRUE(options.SaveOptions());
    Options reread(dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(reread.LoadOptions());
    EXPECT_EQ(reread.text(QStringLiteral("LaufwerkA")), QStringLiteral("/srv/diskette"));
}

TEST(DriveMap, ChecksReadiness)
{
    QTemporaryDir dir;
    const QString floppy = dir.filePath(QStringLiteral("floppy"));
    QFile ini(dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[KLV]\r\nLaufwerkA=%1\r\nLaufwerkB=%1\r\n").arg(floppy).toUtf8());
    ini.close();
    Options options(ini.fileName());
    ASSERT_TRUE(options.LoadOptions());
    const DriveMap drives(options);

    auto result = drives.check(QStringLiteral("a"));
    EXPECT_EQ(result.state, DriveMap::State::NoDisk);
    EXPECT_EQ(result.message, QStringLiteral("Keine Diskette im Laufwerk a"));

    ASSERT_TRUE(QDir().mkpath(floppy));
    result = drives.check(QStringLiteral("b"));
    EXPECT_EQ(result.state, DriveMap::State::EmptyDisk);
    EXPECT_EQ(result.message, QStringLiteral("Diskette im Laufwerk b ist leer !"));

    QFile file(floppy + QStringLiteral("/GBART.ASC"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(drives.check(QStringLiteral("a")).state, DriveMap::State::Ready);

    // A directory that cannot be listed counts as an unformatted disk (not as root).
    if (geteuid() != 0) {
        QFile::setPermissions(floppy, QFileDevice::WriteOwner);
        result = drives.check(QStringLiteral("a"));
        EXPECT_EQ(result.state, DriveMap::State::Unreadable);
        EXPECT_TRUE(result.message.startsWith(QStringLiteral("Diskette nicht formatiert!")));
        QFile::setPermissions(floppy,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST(DriveMap, TrailingSeparator)
{
    EXPECT_EQ(DriveMap::withTrailingSeparator(QStringLiteral("/home/k")), QStringLiteral("/home/k/"));
    EXPECT_EQ(DriveMap::withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
}

} // namespace
} // namespace korbelant
