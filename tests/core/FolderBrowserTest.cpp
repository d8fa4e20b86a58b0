#include "core/FolderBrowser.h"

#include "core/Options.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// A tree of its own: "Ablage" with two sub-directories (given out of order) and two files.
struct Tree
{
    Tree()
    {
        root = QDir::cleanPath(dir.path());
        EXPECT_TRUE(QDir(root).mkpath(QStringLiteral("Ablage/zweite")));
        EXPECT_TRUE(QDir(root).mkpath(QStringLiteral("Ablage/Erste")));
        touch(root + QStringLiteral("/Ablage/Order.zip"));
        touch(root + QStringLiteral("/Ablage/Ber_ID.bin"));
    }
    QTemporaryDir dir;
    QString root;
};

TEST(FolderBrowser, ListsAndWalksTheTree)
{
    Tree tree;
    FolderBrowser browser(DriveMap(), tree.root + QStringLiteral("/Ablage/"));
    EXPECT_EQ(browser.current(), tree.root + QStringLiteral("/Ablage"));
    EXPECT_TRUE(browser.state().isEmpty());
    EXPECT_EQ(browser.directories(),
              QStringList({QStringLiteral(".."), QStringLiteral("Erste"), QStringLiteral("zweite")}));
    EXPECT_EQ(browser.files(), QStringList({QStringLiteral("Ber_ID.bin"), QStringLiteral("Order.zip")}));

    browser.enter(QStringLiteral("zweite"));
    EXPECT_EQ(browser.current(), tree.root + QStringLiteral("/Ablage/zweite"));
    EXPECT_EQ(browser.directories(), QStringList(QStringLiteral("..")));
    EXPECT_TRUE(browser.files().isEmpty());
    browser.enter(QStringLiteral(".."));
    browser.enter(QStringLiteral(".."));
    EXPECT_EQ(browser.current(), tree.root);

    // Only names of the list open: nothing that climbs elsewhere or is missing.
    for (const char* name : {"Ablage/zweite", "../..", "fehlt", ""}) {
        browser.enter(QString::fromUtf8(name));
        EXPECT_EQ(browser.current(), tree.root) << name;
    }

    FolderBrowser atRoot(DriveMap(), QStringLiteral("/"));
    EXPECT_FALSE(atRoot.directories().contains(FolderBrowser::kUp));
}

TEST(FolderBrowser, StartsInTheNearestExistingDirectory)
{
    Tree tree;
    const struct
    {
        QString start;
        QString expected;
    } cases[] = {
        {tree.root + QStringLiteral("/Ablage/fehlt/auch/"), tree.root + QStringLiteral("/Ablage")},
        {tree.root + QStringLiteral("/Ablage/Order.zip"), tree.root + QStringLiteral("/Ablage")},
        {QString(), QDir::cleanPath(QDir::homePath())},
        {QStringLiteral("   "), QDir::cleanPath(QDir::homePath())},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderBrowser(DriveMap(), c.start).current(), c.expected) << c.start.toStdString();
}

TEST(FolderBrowser, DrivesFollowTheOptions)
{
    Tree tree;
    const QString floppy = tree.root + QStringLiteral("/floppy");
    QFile ini(tree.dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[KLV]\r\nLaufwerkA=%1\r\n").arg(floppy).toUtf8());
    ini.close();
    Options options(ini.fileName());
    ASSERT_TRUE(options.LoadOptions());

    FolderBrowser browser(DriveMap(options), tree.root + QStringLiteral("/Ablage"));
    ASSERT_EQ(browser.drives().size(), 4);
    EXPECT_EQ(browser.drives()[0].directory, floppy);
    EXPECT_EQ(browser.drives()[2].directory, QStringLiteral("/"));

    // A floppy directory that does not exist: the drive's message, nothing listed.
    browser.chooseDrive(0);
    EXPECT_EQ(browser.current(), floppy);
    EXPECT_EQ(browser.currentDrive(), 0);
    EXPECT_EQ(browser.state(), QStringLiteral("Keine Diskette im Laufwerk a"));
    EXPECT_TRUE(browser.directories().isEmpty());
    EXPECT_TRUE(browser.files().isEmpty());

    ASSERT_TRUE(QDir().mkpath(floppy + QStringLiteral("/Woche")));
    browser.chooseDrive(0);
    EXPECT_TRUE(browser.state().isEmpty());
    EXPECT_EQ(browser.directories(), QStringList({QStringLiteral(".."), QStringLiteral("Woche")}));

    browser.chooseDrive(2);
    EXPECT_EQ(browser.current(), QStringLiteral("/"));
    EXPECT_EQ(browser.currentDrive(), 2);
    browser.chooseDrive(17); // out of range: stays
    EXPECT_EQ(browser.current(), QStringLiteral("/"));
}

} // namespace
} // namespace korbelant
