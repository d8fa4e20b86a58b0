#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using korbelant::test::CliRun;
using korbelant::test::runCli;

TEST(BenchDataCommands, WrongEndDateIsRefusedBeforeAnythingIsWritten)
{
    struct Case
    {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"small", "--end", "31.02.2024"}, "Ungültiges Datum \"31.02.2024\""},
        {{"small", "--end", "morgen"}, "Ungültiges Datum \"morgen\""},
        {{"small", "1", "--end"}, "Nach --end fehlt das Datum"},
        {{"small", "--end", "", "1"}, "Nach --end fehlt das Datum"},
        {{"small", "1", "2", "--end", "01.01.2024"}, "Zu viele Angaben"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        const CliRun run =
            runCli(QStringList{QStringLiteral("--home"), home, QStringLiteral("bench-data")} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_FALSE(QDir(home).exists()) << "no data home laid out for " << c.args.join(' ').toStdString();
    }
}
