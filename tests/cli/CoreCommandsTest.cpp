#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using korbelant::test::CliRun;
using korbelant::test::runCli;

TEST(CoreCommands, CalculationsWithoutDataHome)
{
    struct Case
    {
        QStringList args;
        const char* out;
    };
    const Case cases[] = {
        {{QStringLiteral("week-key"), QStringLiteral("01.01.2005")}, "200453\n"},
        {{QStringLiteral("week-key"), QStringLiteral("31.12.2003")}, "200401\n"},
        {{QStringLiteral("dm-to-euro"), QStringLiteral("100")}, "51,1292\n"},
        {{QStringLiteral("euro-to-dm"), QStringLiteral("51,13")}, "100,0016\n"},
        {{QStringLiteral("euro-to-dm"), QStringLiteral("51.13")}, "100,0016\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromLatin1(c.out)) << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(CoreCommands, WrongArgumentsGiveAGermanMessage)
{
    const QList<QStringList> cases = {
        {QStringLiteral("week-key"), QStringLiteral("31.02.2005")},
        {QStringLiteral("week-key")},
        {QStringLiteral("dm-to-euro"), QStringLiteral("zehn")},
        {QStringLiteral("gibtsnicht")},
        {},
    };
    for (const QStringList& args : cases) {
        const CliRun run = runCli(args);
        EXPECT_NE(run.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CoreCommands, InitRepairBackupAndOptions)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    CliRun run = runCli({QStringLiteral("--home"), home, QStringLiteral("init")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/FirstTime.txt")));
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/Optionen.ini")));
    QFile status(home + QStringLiteral("/DB/Status.txt"));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    EXPECT_EQ(status.readAll(), QByteArray("Euro\r\n"));
    const QFileInfo before(home + QStringLiteral("/DB/korbelant.sqlite"));
    ASSERT_TRUE(before.exists());

    run = runCli({QStringLiteral("--home"), home, QStringLiteral("init")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("unverändert")));
    EXPECT_EQ(QFileInfo(home + QStringLiteral("/DB/korbelant.sqlite")).lastModified(), before.lastModified());

    run = runCli({QStringLiteral("--home"), home, QStringLiteral("repair")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runCli({QStringLiteral("--home"), home, QStringLiteral("backup")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/DBSicher/korbelant.sqlite")));

    run = runCli({QStringLiteral("--home"), home, QStringLiteral("option"), QStringLiteral("K_NR")});
    EXPECT_EQ(run.out, QStringLiteral("100001\n"));
    run = runCli({QStringLiteral("--home"), home, QStringLiteral("option"), QStringLiteral("Gruppen_NR"),
                  QStringLiteral("4711")});
    EXPECT_EQ(run.exitCode, 0);
    run = runCli({QStringLiteral("--home"), home, QStringLiteral("option"), QStringLiteral("gruppen_nr")});
    EXPECT_EQ(run.out, QStringLiteral("4711\n"));
    run = runCli({QStringLiteral("--home"), home, QStringLiteral("option"), QStringLiteral("Unsinn")});
    EXPECT_NE(run.exitCode, 0);
}

TEST(CoreCommands, DamagedOrMissingDataSetFailsCleanly)
{
    QTemporaryDir dir;
    const QString home = dir.path();
    CliRun run = runCli({QStringLiteral("--home"), home, QStringLiteral("repair")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("keinen Datenbestand"))) << run.err.toStdString();

    QDir().mkpath(home + QStringLiteral("/DB"));
    QFile damaged(home + QStringLiteral("/DB/korbelant.sqlite"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, 'x'));
    damaged.close();
    for (const char* command : {"repair", "backup", "init"}) {
        run = runCli({QStringLiteral("--home"), home, QString::fromLatin1(command)});
        if (QByteArray(command) == "init") {
            EXPECT_EQ(run.exitCode, 0); // an existing file is never overwritten
            continue;
        }
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains(QStringLiteral("beschädigt"))) << run.err.toStdString();
    }
    QFile check(home + QStringLiteral("/DB/korbelant.sqlite"));
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray(8192, 'x'));
}

TEST(CoreCommands, UnwritableDataHomeFailsCleanly)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A data home below a plain file can never be created, whoever runs the test.
    const CliRun run = runCli(
        {QStringLiteral("--home"), dir.filePath(QStringLiteral("datei/home")), QStringLiteral("init")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("kann nicht angelegt werden"))) << run.err.toStdString();
}
