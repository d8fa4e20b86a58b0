#include "core/Schema.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace korbelant::test {

// The back-order and planning commands on a data home: a party with one guest and one line made
// through the party commands, and three customers for the plan.
class BackOrderPlanCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
        for (const auto& [kNr, name, next] :
             {std::tuple{"100005", "Müller", "2027-06-18"}, std::tuple{"100006", "Berger", ""},
              std::tuple{"100007", "Albers", ""}})
            db->insert(kunden, {{QStringLiteral("K_NR"), QString::fromLatin1(kNr)},
                                {QStringLiteral("NAME"), QString::fromUtf8(name)},
                                {QStringLiteral("N_DATUM"), QString::fromLatin1(next)}});
        db->insert(Schema::get(QStringLiteral("Lager")), {{QStringLiteral("L_NR"), QStringLiteral("T10")},
                                                          {QStringLiteral("VA"), QStringLiteral("10")},
                                                          {QStringLiteral("L_TEXT"), QStringLiteral("Dose")},
                                                          {QStringLiteral("PREIS"), 20.0}});
    }
    CliRun cli(const QStringList& args, const QString& answers = {})
    {
        QStringList all{QStringLiteral("--home"), home.root()};
        if (!answers.isEmpty())
            all << QStringLiteral("--answers") << answers;
        return runCli(all << args);
    }
    // A party 04.03.2024 with a line of its host; the line's ID.
    QString partyWithLine()
    {
        EXPECT_EQ(cli({QStringLiteral("party"), QStringLiteral("new"), QStringLiteral("04.03.2024"),
                       QStringLiteral("A"), QStringLiteral("100005")})
                      .exitCode,
                  0);
        const CliRun line = cli({QStringLiteral("party"), QStringLiteral("line"), rNr, QStringLiteral("01"),
                                 QStringLiteral("T10"), QStringLiteral("10"), QStringLiteral("2")});
        EXPECT_EQ(line.exitCode, 0) << line.err.toStdString();
        return line.out.trimmed().mid(3);
    }

    TempHome home;
    const QString rNr = QStringLiteral("040324A");
};

TEST_F(BackOrderPlanCommands, BackOrderRunsThroughItsStatesAndThePackList)
{
    const QString id = partyWithLine();
    const QStringList line{QStringLiteral("backorder"), rNr, QStringLiteral("01"), id};
    CliRun r = cli(line + QStringList{QStringLiteral("nachlieferung")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("NACHLIEF=J"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("NA_STUECK=2"))) << r.out.toStdString();

    r = cli({QStringLiteral("backorder"), QStringLiteral("pieces"), rNr, QStringLiteral("01"), id,
             QStringLiteral("3")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nur 2 Stück bestellt."))) << r.err.toStdString();

    r = cli(line + QStringList{QStringLiteral("erledigt")}, QStringLiteral("nein"));
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    r = cli(line + QStringList{QStringLiteral("erledigt")}, QStringLiteral("ja"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Status=nachträg. geliefert"))) << r.out.toStdString();

    const QString pdf = QDir(home.root()).filePath(QStringLiteral("pack.pdf"));
    r = cli({QStringLiteral("report"), QStringLiteral("packliste"), QStringLiteral("--pdf"), pdf},
            QStringLiteral("ja"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("Wurde die Liste erfolgreich ausgedruckt ? Status zurücksetzen ?")));
    r = cli(line + QStringList{QStringLiteral("zurueck")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("NACHLIEF=\n")))
        << r.out.toStdString(); // nothing left to reset

    r = cli({QStringLiteral("report"), QStringLiteral("nachlieferungen"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(cli(line + QStringList{QStringLiteral("weg")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("backorder"), rNr, QStringLiteral("01"), QStringLiteral("999"),
                   QStringLiteral("erledigt")})
                  .exitCode,
              1);
}

TEST_F(BackOrderPlanCommands, PlanMarksExportsAndCreatesTheParty)
{
    ASSERT_EQ(cli({QStringLiteral("plan"), QStringLiteral("host"), QStringLiteral("100005")}).exitCode, 0);
    CliRun r = cli({QStringLiteral("plan"), QStringLiteral("host"), QStringLiteral("100006")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Sie haben schon eine Gastgeberin markiert.")))
        << r.err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("plan"), QStringLiteral("guest"), QStringLiteral("100006")}).exitCode, 0);
    ASSERT_EQ(cli({QStringLiteral("plan"), QStringLiteral("guest"), QStringLiteral("100007")}).exitCode, 0);
    EXPECT_EQ(cli({QStringLiteral("plan"), QStringLiteral("guest"), QStringLiteral("123456")}).exitCode, 1);

    r = cli({QStringLiteral("plan"), QStringLiteral("list")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("100005\tGastgeberin"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Gäste markiert : 2"))) << r.out.toStdString();

    EXPECT_EQ(cli({QStringLiteral("plan"), QStringLiteral("export")}, QStringLiteral("abbrechen")).exitCode,
              3);
    r = cli({QStringLiteral("plan"), QStringLiteral("export")}, QStringLiteral("ok"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(home.root()).filePath(QStringLiteral("DB/Vorplan.dbf"))));

    const QString pdf = QDir(home.root()).filePath(QStringLiteral("plan.pdf"));
    r = cli({QStringLiteral("report"), QStringLiteral("vorplanung"), QStringLiteral("--nur-markierte"),
             QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();

    // The host's next party gives the date; the guests follow by name.
    r = cli({QStringLiteral("plan"), QStringLiteral("party"), QStringLiteral("C")}, QStringLiteral("ok"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("R_NR=180627C\n01\t100005\n02\t100007\n03\t100006\n"));
    r = cli({QStringLiteral("plan"), QStringLiteral("party"), QStringLiteral("C")}, QStringLiteral("ok"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Vorführungsnummer schon vorhanden"))) << r.err.toStdString();

    EXPECT_EQ(cli({QStringLiteral("plan"), QStringLiteral("reset")}, QStringLiteral("nein")).exitCode, 3);
    ASSERT_EQ(cli({QStringLiteral("plan"), QStringLiteral("reset")}, QStringLiteral("ja")).exitCode, 0);
    r = cli({QStringLiteral("plan"), QStringLiteral("party"), QStringLiteral("D")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Sie haben noch keine Gastgeberin markiert.")))
        << r.err.toStdString();
}

} // namespace korbelant::test
