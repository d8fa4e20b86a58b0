#include "core/Database.h"
#include "core/Schema.h"
#include "support/CustomerBuilder.h"
#include "support/PartyBuilder.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ExpenseCommandsTest : public ::testing::Test
{
protected:
    CliRun cli(const QStringList& args)
    {
        return runCli(QStringList{QStringLiteral("--home"), home.root()} + args);
    }

    TempHome home;
};

TEST_F(ExpenseCommandsTest, NewListAndDelete)
{
    ASSERT_EQ(cli({"expense", "new", "01.09.2001", "Schreibtisch", "4", "1000,00"}).exitCode, 0);
    const CliRun second = cli({"expense", "new", "15.03.2001", "Drucker", "4", "1000"});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out.trimmed(), QStringLiteral("Ausgabe 2 gespeichert."));

    const CliRun year2001 = cli({"expense", "list", "2001"});
    ASSERT_EQ(year2001.exitCode, 0) << year2001.err.toStdString();
    EXPECT_EQ(year2001.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              (QStringList{
                  "ID;AUSDATUM;ATEXT;LAUFZEIT;BETRAG;RestLaufzeit;RestLStr;RestBetrag;AbschreibCalc;Gedruckt",
                  "2;15.03.2001;Drucker;4;1000,00;4,0;3;750,00;250,00;J",
                  "1;01.09.2001;Schreibtisch;4;1000,00;3,5;3,5;875,00;125,00;J"}));
    EXPECT_TRUE(cli({"expense", "list", "2005"})
                    .out.contains(QStringLiteral("1;01.09.2001;Schreibtisch;4;1000,00;0,0;0;0,00;125,00;J")));

    const CliRun declined = cli({"--answers", "nein", "expense", "delete", "1"});
    EXPECT_EQ(declined.exitCode, 3);
    EXPECT_EQ(cli({"--answers", "ja", "expense", "delete", "1"}).exitCode, 0);
    EXPECT_EQ(cli({"--answers", "ja", "expense", "delete", "1"}).exitCode, 1);
    EXPECT_EQ(cli({"expense", "list", "2001"}).out.count(QLatin1Char('\n')), 2);

    for (const QStringList& wrong : {QStringList{"expense", "new", "31.02.2001", "X", "1", "5"},
                                     QStringList{"expense", "new", "01.02.2001", "X", "eins", "5"},
                                     QStringList{"expense", "list", "01"}}) {
        SCOPED_TRACE(wrong.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(cli(wrong).exitCode, 2);
    }
}

TEST_F(ExpenseCommandsTest, ExpenseListAsPdfLeavesOutLaterAndFinishedPurchases)
{
    cli({"expense", "new", "15.03.2001", "Drucker", "4", "1000"});
    cli({"expense", "new", "15.03.1990", "Alter Schrank", "2", "300"});
    cli({"expense", "new", "15.03.2003", "Neuer Stuhl", "2", "300"});
    const QString pdf = home.root() + QStringLiteral("/ausgaben.pdf");
    const CliRun run = cli({"report", "ausgaben", "2002", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfLayoutText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Ausgaben für das Jahr 2002")));
    EXPECT_TRUE(text.contains(QStringLiteral("Drucker")));
    EXPECT_FALSE(text.contains(QStringLiteral("Alter Schrank")));
    EXPECT_FALSE(text.contains(QStringLiteral("Neuer Stuhl")));
    EXPECT_TRUE(text.contains(QStringLiteral("Berat.-Konto/Gr. Nr. :")));
}

TEST_F(ExpenseCommandsTest, TravelAccountWithDbaseCopyAndReport)
{
    {
        auto db = home.openDb();
        CustomerBuilder(QStringLiteral("200001"))
            .name(QStringLiteral("Meier"))
            .with(QStringLiteral("ORT"), QStringLiteral("Musterstadt"))
            .with(QStringLiteral("STRASSE"), QStringLiteral("Weg 1"))
            .insertInto(*db);
        PartyBuilder(QStringLiteral("0001"))
            .host(QStringLiteral("200001"))
            .with(QStringLiteral("KM_EINFACH"), 12)
            .with(QStringLiteral("DATUM"), QDate(2001, 3, 10))
            .with(QStringLiteral("AUSLIEFER2"), QDate(2001, 4, 2))
            .insertInto(*db);
    }
    const CliRun run = cli({"travel", "01.03.2001", "31.03.2001", "--dbf"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              (QStringList{"Datum;Text;KM;Betrag",
                           "10.03.2001;Fahrt TW-Vorführung nach Musterstadt, Weg 1 bei Meier;24;7,20"}));
    EXPECT_TRUE(QFile::exists(home.home().dbDir() + QStringLiteral("/ReiseTemp.dbf")));

    const CliRun reversed = cli({"travel", "31.03.2001", "01.03.2001"});
    EXPECT_EQ(reversed.exitCode, 1);
    EXPECT_TRUE(reversed.err.contains(QStringLiteral("Von-Datum gößer als Bis-Datum")));
    EXPECT_EQ(cli({"travel", "01.12.2001", "31.01.2002"}).exitCode, 3);

    const QString pdf = home.root() + QStringLiteral("/reise.pdf");
    const CliRun report = cli({"report", "reiseabrechnung", "01.03.2001", "30.04.2001", "--pdf", pdf});
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QString text = pdfLayoutText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("von 01.03.2001 bis 30.04.2001")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fahrt TW-Auslieferung nach Musterstadt")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Summe : 48 14,40")));
}

} // namespace

} // namespace korbelant::test
