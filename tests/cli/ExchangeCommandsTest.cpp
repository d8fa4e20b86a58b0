#include "core/Database.h"
#include "exchange/DiskFileSeal.h"
#include "support/DistributorDiskFiles.h"
#include "support/FileBytes.h"
#include "support/PartyBuilder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// Consultant 4711 with week 202604: eleven parties in part-weeks 1 .. 9, A, B, each ordering
// its number of pieces of ZT10.
class ExchangeCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        db->run(QStringLiteral("INSERT INTO MWoche (MWoche, VORFUEHR_1) VALUES ('202604', 2)"));
        for (int k = 1; k <= 11; ++k) {
            const QString rNr = QStringLiteral("200126") + QChar(u'A' + k - 1);
            const QString partWeek = k <= 9 ? QString::number(k) : QString(QChar(u'A' + k - 10));
            PartyBuilder(rNr)
                .week(QStringLiteral("202604"), partWeek)
                .host(QStringLiteral("100001"))
                .insertInto(*db);
            db->run(
                QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, ID, L_NR, VA, Z_NR, MWoche, TWoche, STUECK) "
                               "VALUES (?, '01', 1, 'T10', '10', 'ZT10', '202604', ?, ?)"),
                {rNr, partWeek, k});
        }
        db.reset();
        for (const auto& [key, value] : {std::pair{"BNR", "4711"}, std::pair{"BZHDRIVE", "Pfad:"}})
            ASSERT_EQ(cli({QStringLiteral("option"), QString::fromLatin1(key), QString::fromLatin1(value)})
                          .exitCode,
                      0);
    }
    CliRun cli(const QStringList& args, const QString& answers = {})
    {
        QStringList all{QStringLiteral("--home"), home.root()};
        if (!answers.isEmpty())
            all << QStringLiteral("--answers") << answers;
        return runCli(all + args);
    }
    QString transtup(const char* name) const
    {
        return home.home().path(QStringLiteral("TRANSTUP/") + QString::fromLatin1(name));
    }

    TempHome home;
};

} // namespace

TEST_F(ExchangeCommands, SealAndVerify)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("GBBEST.ASC"));
    writeFileBytes(file, "AB\r\nC\r\n");
    EXPECT_EQ(cli({QStringLiteral("exchange"), QStringLiteral("verify"), file}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("exchange"), QStringLiteral("seal"), file}).exitCode, 0);
    EXPECT_EQ(fileBytes(file), QByteArray("AB\r\nC\r\n\x1A\x0F", 9));
    EXPECT_EQ(cli({QStringLiteral("exchange"), QStringLiteral("verify"), file}).exitCode, 0);
    const CliRun missing =
        cli({QStringLiteral("exchange"), QStringLiteral("verify"), dir.filePath(QStringLiteral("x"))});
    EXPECT_NE(missing.exitCode, 0);
}

TEST_F(ExchangeCommands, ReadDiskConvertsItsFilesIntoTranstup)
{
    QTemporaryDir disk;
    copyDiskFixture(disk.path());
    const CliRun run = cli(
        {QStringLiteral("exchange"), QStringLiteral("read-disk"), QStringLiteral("--source"), disk.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : {"PCBERAT.ASC", "PCART.ASC", "AEHLP.ASC"})
        EXPECT_EQ(fileBytes(transtup(name)), fileBytes(expectedDiskFile(QString::fromLatin1(name)))) << name;
    EXPECT_TRUE(run.out.contains(transtup("PCART.ASC")));
}

TEST_F(ExchangeCommands, WeekGoesOntoOneDiskPerNineParties)
{
    QTemporaryDir first;
    QTemporaryDir second;
    copyDiskFixture(first.path());
    copyDiskFixture(second.path());
    const CliRun run =
        cli({QStringLiteral("week"), QStringLiteral("disk"), QStringLiteral("202604"),
             QStringLiteral("--target"), first.path(), QStringLiteral("--target"), second.path()},
            QStringLiteral("ok,ja"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Disketten=2\nGeschrieben=2\n"));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Legen sie jetzt bitte die 2te Diskette ein.")));
    const QByteArray two = fileBytes(QDir(second.path()).filePath(QStringLiteral("GBBEST.ASC")));
    EXPECT_TRUE(DiskFileSeal::isValid(two));
    EXPECT_TRUE(two.startsWith("76 471104110ZT10     10  \r\n76 471104210ZT10     11  \r\n\x1A"));
    auto db = home.openDb();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE ERSTELLT = 1")).toInt(), 11);
}

} // namespace korbelant::test
