#include "core/Database.h"
#include "core/Schema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ArticleCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = m_home.openDb();
        db->run(QStringLiteral("DELETE FROM VA"));
        for (const auto& [va, quelle] : {std::pair{"10", "10"}, {"38", "10"}, {"91", ""}})
            db->insert(Schema::get(QStringLiteral("VA")),
                       {{QStringLiteral("VA"), QString::fromLatin1(va)},
                        {QStringLiteral("VAQUELLE"), QString::fromLatin1(quelle)}});
        const TableDef& lager = Schema::get(QStringLiteral("Lager"));
        db->insert(lager, {{QStringLiteral("L_NR"), QStringLiteral("N001")},
                           {QStringLiteral("VA"), QStringLiteral("10")},
                           {QStringLiteral("L_TEXT"), QStringLiteral("Neuheit")},
                           {QStringLiteral("NEU"), true}});
        db->insert(lager, {{QStringLiteral("L_NR"), QStringLiteral("P091")},
                           {QStringLiteral("VA"), QStringLiteral("91")},
                           {QStringLiteral("L_TEXT"), QStringLiteral("Eigenbedarf")},
                           {QStringLiteral("AKTIV"), true}});
    }
    CliRun cli(QStringList args)
    {
        args.prepend(m_home.root());
        args.prepend(QStringLiteral("--home"));
        return runCli(args);
    }
    TempHome m_home;
};

TEST_F(ArticleCommandsTest, NewShowsTheDialogsMessagesInOrderAndStoresNothing)
{
    const CliRun run = cli({"article", "new", "L_NR=ab1", "Z_NR=1234567", "VA=77", "L_TEXT=Dose"});
    EXPECT_EQ(run.exitCode, 1);
    const qsizetype va = run.err.indexOf(QStringLiteral("Die gewählte VA ist ungültig !"));
    const qsizetype z = run.err.indexOf(QStringLiteral("Die TW-Bestell-Nr. muss 8 Stellen lang sein"));
    const qsizetype l = run.err.indexOf(QStringLiteral("Die Artikel-Nr. muss 4 Stellen lang sein"));
    EXPECT_TRUE(va >= 0 && va < z && z < l) << run.err.toStdString();
    EXPECT_EQ(cli({"article", "list"}).out, QStringLiteral("N001;10;Neuheit\nP091;91;Eigenbedarf\n"));
}

TEST_F(ArticleCommandsTest, NewStoresAnInactiveArticleOnceOnly)
{
    const CliRun run = cli({"article", "new", "L_NR=a100", "Z_NR=12345678", "VA=10", "L_TEXT=Schüssel 50%",
                            "PREIS=12,50", "BESTAND=2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(cli({"article", "list", "inaktiv"}).out,
              QStringLiteral("A100;10;Schüssel 50%\nN001;10;Neuheit\n"));
    const CliRun again = cli({"article", "new", "L_NR=A100", "Z_NR=12345678", "VA=10"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("Die gewählte Artikelnummer ist schon vorhanden")));
    EXPECT_NE(cli({"article", "new", "L_NR=A101", "AKTIV=1"}).exitCode, 0);
    EXPECT_NE(cli({"article", "new", "L_NR=A101", "BESTAND=viel"}).exitCode, 0);
}

TEST_F(ArticleCommandsTest, ListAppliesTheStatusSwitches)
{
    EXPECT_EQ(cli({"article", "list", "neu"}).out, QStringLiteral("N001;10;Neuheit\n"));
    EXPECT_EQ(cli({"article", "list", "party"}).out, QStringLiteral("P091;91;Eigenbedarf\n"));
    EXPECT_EQ(cli({"article", "list", "neu", "bestand"}).out, QString());
    EXPECT_EQ(cli({"article", "list", "irgendwas"}).exitCode, 2);
}

TEST_F(ArticleCommandsTest, KindValidPrintsJaOrNein)
{
    EXPECT_EQ(cli({"article", "kind-valid", "38", "N001"}).out, QStringLiteral("ja\n"));
    EXPECT_EQ(cli({"article", "kind-valid", "38", "P091"}).out, QStringLiteral("nein\n"));
    EXPECT_EQ(cli({"article", "kind-valid", "38", "X"}).out, QStringLiteral("nein\n"));
    EXPECT_EQ(cli({"article", "kind-valid", "38"}).exitCode, 2);
}

} // namespace

} // namespace korbelant::test
