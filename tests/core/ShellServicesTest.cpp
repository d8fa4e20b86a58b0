#include "core/DataHome.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/HelpDocument.h"
#include "core/ProgramRunner.h"
#include "core/ScriptedUi.h"
#include "core/UnhandledError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

void writeFile(const QString& path, const QByteArray& content = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

TEST(OpenHelp, OpensTheDocumentOrTellsWhyNot)
{
    QTemporaryDir dir;
    const DataHome home(dir.path());
    QStringList opened;
    auto opener = [&opened](bool works) {
        return [&opened, works](const QString& path) {
            opened << path;
            return works;
        };
    };

    ScriptedUi missing;
    EXPECT_FALSE(HelpDocument(home, missing, opener(true)).OpenHelp());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(missing.shownTexts(), QStringList{"Die Hilfedatei KORBELANT.pdf wurde nicht gefunden.\n" +
                                                QDir::toNativeSeparators(home.helpFile())});

    QDir().mkpath(home.helpFile());
    ScriptedUi directory;
    EXPECT_FALSE(HelpDocument(home, directory, opener(true)).OpenHelp());
    EXPECT_TRUE(opened.isEmpty()) << "a directory of that name is no document";
    EXPECT_EQ(directory.shownTexts(), QStringList{HelpDocument::missingMessage(home.helpFile())});
    QDir().rmdir(home.helpFile());

    writeFile(home.helpFile(), "%PDF-1.4");
    ScriptedUi works;
    EXPECT_TRUE(HelpDocument(home, works, opener(true)).OpenHelp());
    EXPECT_EQ(opened, QStringList{home.helpFile()});
    EXPECT_TRUE(works.shownTexts().isEmpty());

    ScriptedUi noReader;
    EXPECT_FALSE(HelpDocument(home, noReader, opener(false)).OpenHelp());
    EXPECT_EQ(noReader.shownTexts(), QStringList{HelpDocument::kFailed});
}

TEST(RunProgram, StartsWithoutShellAndReportsTheErrorNumber)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("kein-programm.txt");
    writeFile(plain);
    struct Case
    {
        QString program;
        QString number; // empty: starts
    };
    const std::vector<Case> cases{
        {"/bin/true", {}},
        {dir.filePath("fehlt"), "2"},
        {plain, "13"},
        {dir.path(), "21"},
        {"true; touch " + dir.filePath("eingeschleust"), "2"},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        const bool started = ProgramRunner(ui).RunProgram(c.program, {"--egal"});
        EXPECT_EQ(started, c.number.isEmpty()) << c.program.toStdString();
        if (!c.number.isEmpty()) {
            EXPECT_EQ(ui.shownTexts(),
                      QStringList{"Programm konnte nicht ausgeführt werden!\nFehlernummer: " + c.number});
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("eingeschleust")));
}

TEST(RunProgram, FindsTheGroupProgramWithoutRegardToCase)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ProgramRunner::findInDirectory(dir.path(), "Zirkel60.exe").isEmpty());
    writeFile(dir.filePath("ZIRKEL60.EXE"));
    EXPECT_EQ(ProgramRunner::findInDirectory(dir.path(), "Zirkel60.exe"), dir.filePath("ZIRKEL60.EXE"));
    EXPECT_TRUE(ProgramRunner::findInDirectory(dir.filePath("fehlt"), "Zirkel60.exe").isEmpty());
    EXPECT_TRUE(ProgramRunner::findInDirectory("", "Zirkel60.exe").isEmpty());
}

TEST(UnhandledError, IsShownAndLogged)
{
    QTemporaryDir dir;
    const ErrorLog log(dir.filePath("ExceptList.EXC"));
    ScriptedUi ui;
    UnhandledError::report(std::make_exception_ptr(DatabaseError("Die Tabelle Kunden fehlt.")), log, &ui);
    UnhandledError::report(std::make_exception_ptr(std::runtime_error("kaputt")), log, &ui);
    UnhandledError::report(std::make_exception_ptr(42), log, &ui);
    EXPECT_EQ(ui.shownTexts(), (QStringList{"Die Tabelle Kunden fehlt.", "kaputt", "Unbekannter Fehler"}));
    QFile file(log.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(" Die Tabelle Kunden fehlt."));
    EXPECT_TRUE(lines[2].endsWith(" Unbekannter Fehler"));
}
