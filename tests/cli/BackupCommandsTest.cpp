#include "core/BackupRestore.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

QStringList withHome(const TempHome& home, QStringList args)
{
    return QStringList{QStringLiteral("--home"), home.root()} + args;
}

QString customerName(const TempHome& home, const QString& number)
{
    return home.openDb()
        ->scalar(QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR = ?"), {number})
        .toString();
}

} // namespace

// backup, backup --list and restore with their answers: the data set changed after the backup
// is put back only after Yes; a day without a backup is refused.
TEST(BackupCommands, BackupListAndRestore)
{
    TempHome home;
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    CliRun run = runCli(withHome(home, {"backup", "--list"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());

    run = runCli(withHome(home, {"backup"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("geprüft")) << run.out.toStdString();
    run = runCli(withHome(home, {"backup", "--list"}));
    const QRegularExpression line(
        QStringLiteral("^%1  \\d+,\\d MB  .*/DBSicher/%2\\n$")
            .arg(QRegularExpression::escape(today), QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_TRUE(line.match(run.out).hasMatch()) << run.out.toStdString();

    home.openDb()->run("UPDATE Kunden SET NAME = 'Geändert' WHERE K_NR = '100001'");
    run = runCli(withHome(home, {"restore", today}));
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(BackupRestore::question(QDate::currentDate()))) << run.err.toStdString();
    EXPECT_EQ(customerName(home, "100001"), "Geändert");

    run = runCli(withHome(home, {"--answers", "ja", "restore"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(customerName(home, "100001"), "Name");

    run = runCli(withHome(home, {"--answers", "ja", "restore", "01.01.2001"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Die Sicherung 01.01.2001 gibt es nicht.")) << run.err.toStdString();
    run = runCli(withHome(home, {"backup", "--alle"}));
    EXPECT_EQ(run.exitCode, 2);
}

// The manual page names every command that --help lists.
TEST(BackupCommands, ManualPageNamesEveryCommand)
{
    const QString page =
        QString::fromUtf8(fileBytes(QStringLiteral(KORBELANT_SOURCE_DIR "/packaging/korbelant-cli.1")));
    ASSERT_FALSE(page.isEmpty());
    const CliRun run = runCli({QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0);
    const QRegularExpression usage(
        QStringLiteral("^  (?:--home VERZ )?(?:\\[--answers[^\\]]*\\] )?([a-z][a-z-]*)"),
        QRegularExpression::MultilineOption);
    // The words the page sets in bold at the start of its lines (".B", ".BR", ".BI").
    QStringList bold;
    for (const QString& pageLine : page.split(QLatin1Char('\n'))) {
        if (!pageLine.startsWith(QStringLiteral(".B")))
            continue;
        QString words = pageLine.mid(pageLine.indexOf(QLatin1Char(' ')) + 1);
        words.remove(QLatin1Char('"'));
        bold << words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    int commands = 0;
    for (auto it = usage.globalMatch(run.out); it.hasNext(); ++commands) {
        const QString command = it.next().captured(1);
        // Roff writes a hyphen of a name as \-.
        QString roff = command;
        roff.replace(QLatin1Char('-'), QStringLiteral("\\-"));
        EXPECT_TRUE(bold.contains(roff)) << command.toStdString();
    }
    EXPECT_GT(commands, 20);
}

} // namespace korbelant::test
