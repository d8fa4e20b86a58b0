#include "support/CliRun.h"
#include "support/OrvelaSource.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::OrvelaSource;
using korbelant::test::runCli;

namespace {

QString connectionOf(const OrvelaSource& source)
{
    return source.parameters().join(QLatin1Char(';'));
}

} // namespace

TEST(OdbcCommandsTest, ReadPrintsHeaderAndRowsUpToTheLimit)
{
    OrvelaSource source;
    for (int i = 1; i <= 3; ++i)
        source.insert(QStringLiteral("Preislisten"),
                      {7, 4711, QStringLiteral("T %1").arg(i), QStringLiteral("Z%1").arg(i),
                       QStringLiteral("Schüssel"), 1.5, i, QStringLiteral("10"), 9.9});
    const auto all = runCli({QStringLiteral("odbc"), QStringLiteral("read"), connectionOf(source),
                             QStringLiteral("Preislisten")});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QStringLiteral("VID;GID;PrdNr;Artnr;Bezeichnung;Sterne;MENGE;VA;Preis"));
    EXPECT_EQ(lines.at(1), QStringLiteral("7;4711;T 1;Z1;Schüssel;1.5;1;10;9.9"));

    const auto limited =
        runCli({QStringLiteral("odbc"), QStringLiteral("read"), connectionOf(source),
                QStringLiteral("Preislisten"), QStringLiteral("--limit"), QStringLiteral("1")});
    EXPECT_EQ(limited.exitCode, 0);
    EXPECT_EQ(limited.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);
}

TEST(OdbcCommandsTest, FailureShowsTheOdbcErrorText)
{
    OrvelaSource source;
    const auto missing = runCli(
        {QStringLiteral("odbc"), QStringLiteral("read"), connectionOf(source), QStringLiteral("Fehlt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("HY000:"))) << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());

    const auto usage = runCli({QStringLiteral("odbc"), QStringLiteral("read"), connectionOf(source)});
    EXPECT_EQ(usage.exitCode, 2);
}
