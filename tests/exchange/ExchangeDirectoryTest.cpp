#include "exchange/ExchangeDirectory.h"
#include "core/ScriptedUi.h"
#include "exchange/ArchiveExtractor.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"
#include "support/ZipTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// Every file below a directory, relative to it.
QStringList filesBelow(const QString& directory)
{
    QStringList found;
    QDir dir(directory);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir() && !info.isSymLink()) {
            for (const QString& inner : filesBelow(info.filePath()))
                found << info.fileName() + QLatin1Char('/') + inner;
        } else {
            found << info.fileName();
        }
    }
    return found;
}

// A data home beside a folder "outside" that no archive may reach.
class ExchangeDirectoryTest : public ::testing::Test
{
protected:
    ExchangeDirectoryTest() : home(root.filePath(QStringLiteral("home"))), exchange(home, ui)
    {
        QDir().mkpath(home.root());
        QDir().mkpath(outside());
    }
    QString outside() const { return root.filePath(QStringLiteral("outside")); }
    QString archive() const { return root.filePath(QStringLiteral("Stamm.zip")); }

    QTemporaryDir root;
    DataHome home;
    ScriptedUi ui;
    ExchangeDirectory exchange;
};

} // namespace

TEST_F(ExchangeDirectoryTest, ArchiveIsUnpackedIntoTranstupOverwritingWhatIsThere)
{
    writeFileBytes(exchange.transtup() + QStringLiteral("/ArtInfos.txt"), "alt");
    writeFileBytes(exchange.transtup() + QStringLiteral("/Bleibt.txt"), "bleibt");
    makeZip(archive(), {{QStringLiteral("ArtInfos.txt"), "neu"},
                        {QStringLiteral("Bilder\\T10.txt"), "Bild"},
                        {QStringLiteral("Texte/"), {}},
                        {QStringLiteral("./Ber_ID.bin"), " 4711"}});
    EXPECT_TRUE(exchange.PrepareTranstup(archive()));
    EXPECT_TRUE(ui.shown().isEmpty()) << ui.shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(fileBytes(exchange.transtup() + QStringLiteral("/ArtInfos.txt")), QByteArray("neu"));
    EXPECT_EQ(fileBytes(exchange.transtup() + QStringLiteral("/Bilder/T10.txt")), QByteArray("Bild"));
    EXPECT_EQ(fileBytes(exchange.transtup() + QStringLiteral("/Ber_ID.bin")), QByteArray(" 4711"));
    EXPECT_EQ(fileBytes(exchange.transtup() + QStringLiteral("/Bleibt.txt")), QByteArray("bleibt"));
    EXPECT_TRUE(QFileInfo(exchange.transtup() + QStringLiteral("/Texte")).isDir());
    EXPECT_TRUE(filesBelow(outside()).isEmpty());
}

TEST_F(ExchangeDirectoryTest, MissingEmptyOrUnusableArchiveIsNamed)
{
    struct Case
    {
        const char* what;
        std::function<void()> prepare;
        QString archive;
        QString message;
    };
    const std::vector<Case> cases{
        {"nothing to unpack", [] {}, QString(), QString()},
        {"missing archive", [] {}, archive(), ExchangeDirectory::kNoArchive},
        {"empty archive", [&] { makeZip(archive(), {}); }, archive(), ExchangeDirectory::kEmptyArchive},
        {"a file where TRANSTUP belongs",
         [&] {
             QDir(exchange.transtup()).removeRecursively();
             writeFileBytes(exchange.transtup(), "kein Verzeichnis");
         },
         QString(), ExchangeDirectory::kNotCreated},
    };
    for (const Case& k : cases) {
        ScriptedUi caseUi;
        ExchangeDirectory directory(home, caseUi);
        k.prepare();
        EXPECT_EQ(directory.PrepareTranstup(k.archive), k.message.isEmpty()) << k.what;
        EXPECT_EQ(caseUi.shownTexts(), k.message.isEmpty() ? QStringList() : QStringList{k.message})
            << k.what;
    }
}

TEST_F(ExchangeDirectoryTest, EntryLeadingOutOfTranstupOrALinkRefusesTheWholeArchive)
{
    struct Case
    {
        ZipEntry entry;
        std::function<void()> prepare;
    };
    const auto none = [] {};
    const std::vector<Case> cases{
        {{QStringLiteral("../evil.txt"), "x"}, none},
        {{QStringLiteral("Bilder/../../evil.txt"), "x"}, none},
        {{QStringLiteral("Bilder\\..\\..\\evil.txt"), "x"}, none},
        {{outside() + QStringLiteral("/evil.txt"), "x"}, none},
        {{QStringLiteral("C:/evil.txt"), "x"}, none},
        {{QStringLiteral("c:evil.txt"), "x"}, none},
        {{QStringLiteral("link"), outside().toUtf8(), true}, none},
        {{QStringLiteral("ok-link"), "ArtInfos.txt", true}, none},
        // A link already in TRANSTUP that leads outside is not written through.
        {{QStringLiteral("raus/evil.txt"), "x"},
         [&] { QFile::link(outside(), exchange.transtup() + QStringLiteral("/raus")); }},
        {{QStringLiteral("evil.txt"), "x"},
         [&] {
             QFile::link(outside() + QStringLiteral("/evil.txt"),
                         exchange.transtup() + QStringLiteral("/evil.txt"));
         }},
    };
    for (const Case& k : cases) {
        QDir(exchange.transtup()).removeRecursively();
        QDir().mkpath(exchange.transtup());
        k.prepare();
        const QStringList before = filesBelow(exchange.transtup());
        makeZip(archive(), {{QStringLiteral("ArtInfos.txt"), "neu"}, k.entry});
        ScriptedUi caseUi;
        EXPECT_FALSE(ExchangeDirectory(home, caseUi).PrepareTranstup(archive()))
            << k.entry.name.toStdString();
        ASSERT_EQ(caseUi.shown().size(), 1) << k.entry.name.toStdString();
        EXPECT_EQ(caseUi.shown().first().kind, QStringLiteral("Fehler"));
        EXPECT_TRUE(caseUi.shown().first().text.contains(k.entry.name))
            << caseUi.shown().first().text.toStdString();
        EXPECT_EQ(filesBelow(exchange.transtup()), before) << k.entry.name.toStdString();
        EXPECT_TRUE(filesBelow(outside()).isEmpty()) << k.entry.name.toStdString();
    }
}

TEST(ArchiveEntryNameTest, OnlyPathsInsideTheDirectoryPass)
{
    for (const char* name :
         {"Order.txt", "Bilder/T10.png", "Bilder\\T10.png", "./a.txt", "a..b.txt", "..a/b"})
        EXPECT_EQ(ArchiveExtractor::refusal(QString::fromLatin1(name)), std::nullopt) << name;
    for (const char* name :
         {"", "/", "/etc/passwd", "\\\\server\\share\\x", "..", "a/../../b", "D:x", "z:\\x"})
        EXPECT_NE(ArchiveExtractor::refusal(QString::fromLatin1(name)), std::nullopt) << name;
}

} // namespace korbelant::test
