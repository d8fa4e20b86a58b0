#include "core/HelpDocument.h"
#include "core/DataHome.h"
#include "core/ScriptedUi.h"
#include "core/Startup.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray programCopy()
{
    return contents(HelpDocument::kProgramCopy);
}

// The first chapter heading of the manual's text, as the reader sees it.
QString firstHeading()
{
    const QDir chapters(QStringLiteral(KORBELANT_SOURCE_DIR "/docs/manual"));
    const QStringList files =
        chapters.entryList({QStringLiteral("[0-9][0-9]-*.md")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return {};
    for (const QString& line :
         QString::fromUtf8(contents(chapters.filePath(files.first()))).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("# ")))
            return line.mid(2).trimmed();
    }
    return {};
}

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void writeFile(const QString& path, const QByteArray& content, const QDateTime& modified)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.flush(); // written before the time is set, or the close would set it anew
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

TEST(HelpDocument, NewDataHomeHoldsTheManual)
{
    const test::TempHome temp;
    const QString path = temp.home().helpFile();
    const QByteArray pdf = contents(path);
    ASSERT_FALSE(programCopy().isEmpty()) << "the program carries the manual";
    EXPECT_EQ(pdf, programCopy());
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    const QString heading = firstHeading();
    ASSERT_FALSE(heading.isEmpty()) << "docs/manual has a first chapter with a heading";
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(heading)) << heading.toStdString();
    for (const char* expected : {"Korbelant", "Handbuch", "Inhalt", "Seite 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(HelpDocument, InstallReplacesOnlyAMissingOrOlderCopy)
{
    struct Case
    {
        const char* what;
        QByteArray present; // empty: no document
        QDateTime modified;
        bool replaced;
    };
    const QDateTime made = QFileInfo(HelpDocument::kProgramCopy).lastModified();
    ASSERT_TRUE(made.isValid()) << "the program's copy knows when it was made";
    const Case cases[] = {
        {"missing", {}, {}, true},
        {"older", "%PDF-1.4 alt", made.addDays(-30), true},
        {"as old", "%PDF-1.4 gleich alt", made, false},
        {"newer", "%PDF-1.4 neu", made.addDays(1), false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const DataHome home(dir.path());
        if (!c.present.isEmpty())
            writeFile(home.helpFile(), c.present, c.modified);
        ASSERT_TRUE(HelpDocument::install(home)) << c.what;
        EXPECT_EQ(contents(home.helpFile()), c.replaced ? programCopy() : c.present) << c.what;
        // Installed again, nothing changes: the copy counts as the program's own.
        const QDateTime stamp = QFileInfo(home.helpFile()).lastModified();
        ASSERT_TRUE(HelpDocument::install(home)) << c.what;
        EXPECT_EQ(QFileInfo(home.helpFile()).lastModified(), stamp) << c.what;
    }
}

TEST(HelpDocument, InstallFailsWhereTheDataHomeCannotBeWritten)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("keinVerzeichnis"));
    writeFile(file, "x", QDateTime::currentDateTime());
    EXPECT_FALSE(HelpDocument::install(DataHome(file)));
}

TEST(HelpDocument, StartGivesAnExistingDataHomeTheManual)
{
    const test::TempHome temp;
    const DataHome& home = temp.home();
    ASSERT_TRUE(QFile::remove(home.helpFile()));
    ScriptedUi ui;
    Startup::Environment environment;
    environment.today = QDate(2024, 3, 14);
    Startup startup(home, ui, environment);
    ASSERT_EQ(startup.run(), Startup::Outcome::Ready) << ui.shownTexts().join('|').toStdString();
    EXPECT_EQ(contents(home.helpFile()), programCopy());
}
