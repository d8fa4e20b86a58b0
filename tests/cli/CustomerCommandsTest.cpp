#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <shapefil.h>

namespace korbelant::test {

namespace {

class CustomerCommandsTest : public ::testing::Test
{
protected:
    CliRun cli(const QStringList& args)
    {
        return runCli(QStringList{"--home", home.root(), "customer"} + args);
    }
    QString created(const QStringList& fields)
    {
        const CliRun r = cli(QStringList{"new"} + fields);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.out.trimmed();
    }
    TempHome home;
};

} // namespace

TEST_F(CustomerCommandsTest, NewListAndFilter)
{
    EXPECT_EQ(created({"NAME=Nagel", "VORNAME=Eva"}), QStringLiteral("100002"));
    EXPECT_EQ(created({"NAME=Müller", "VORNAME=Anna", "GEBURTSTAG=24.12.1980", "E-MAIL=anna@web.de"}),
              QStringLiteral("100003"));
    EXPECT_EQ(created({"NAME=Mahler", "GEBURTSTAG=05.12.1970"}), QStringLiteral("100004"));
    EXPECT_EQ(created({"name=O'Brien", "KM_ENTF=12"}), QStringLiteral("100005"));

    const CliRun december = cli({"list", "GB_MIN=01.12.2000", "GB_MAX=31.12.2000"});
    EXPECT_EQ(december.exitCode, 0) << december.err.toStdString();
    EXPECT_EQ(december.out, QStringLiteral("100004;Mahler;\n100003;Müller;Anna\n"));

    const CliRun irish = cli({"list", "Name_Min=O'Brien", "Name_max=O'Brien", "KM_MIN=12", "KM_MAX=12"});
    EXPECT_EQ(irish.out, QStringLiteral("100005;O'Brien;\n"));

    const CliRun all = cli({"list"});
    EXPECT_TRUE(all.out.startsWith(QStringLiteral("100004;Mahler;\n100003;Müller;Anna\n100002;Nagel;Eva\n")))
        << all.out.toStdString();
}

TEST_F(CustomerCommandsTest, WrongInputIsRefused)
{
    const struct
    {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"new", "GEBURTSTAG=31.02.1980"}, 1},
        {{"new", "K_NR=123456"}, 2},
        {{"new", "SCHUHGROESSE=38"}, 2},
        {{"list", "Farbe=rot"}, 2},
        {{"list", "KM_MIN=weit"}, 1},
        {{"list", "BEdit=gibt es nicht"}, 1},
        {{"frobnicate"}, 2},
        {{"delete"}, 2},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(cli({"list"}).out.count('\n'), 3) << "nothing was stored";
}

TEST_F(CustomerCommandsTest, DeleteRefusesTheReservedNumbers)
{
    const QString k = created({"NAME=Weg"});
    for (const char* reserved : {"099999", "100000", "100001"}) {
        const CliRun r = cli({"delete", QString::fromLatin1(reserved)});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains(QStringLiteral(
            "Kundennummern \"099999\",\"100000\" und \"100001\" können nicht gelöscht werden !")))
            << r.err.toStdString();
    }
    EXPECT_EQ(cli({"delete", k}).exitCode, 0);
    EXPECT_EQ(cli({"delete", k}).exitCode, 1);
    EXPECT_EQ(cli({"list"}).out.count('\n'), 3);
}

TEST_F(CustomerCommandsTest, MergeAndExport)
{
    const QString k1 = created({"NAME=Berg", "N_DATUM=20.12.2025"});
    const QString k2 = created({"NAME=Berg", "VORNAME=doppelt"});
    {
        auto db = home.openDb();
        db->run("INSERT INTO Tupper (R_NR, P_NR, K_NR) VALUES ('010325A', '02', ?)", {k2});
    }
    EXPECT_EQ(cli({"merge", k1, k2}).exitCode, 0);
    EXPECT_EQ(cli({"merge", k1, "100001"}).exitCode, 1);
    EXPECT_EQ(home.openDb()->scalar("SELECT K_NR FROM Tupper WHERE R_NR = '010325A'").toString(), k1);

    const CliRun r = cli({"export-dbf", "Name_Min=Berg", "Name_max=Berg"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString file = QDir(home.home().dbDir()).filePath("KundTemp.dbf");
    DBFHandle dbf = DBFOpen(QFile::encodeName(file).constData(), "rb");
    ASSERT_NE(dbf, nullptr);
    ASSERT_EQ(DBFGetRecordCount(dbf), 1);
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 0, DBFGetFieldIndex(dbf, "K_NR")), k1.toLatin1().constData());
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 0, DBFGetFieldIndex(dbf, "N_WOTAG")), "Samstag");
    DBFClose(dbf);
}

} // namespace korbelant::test
