#include "core/Database.h"
#include "core/Schema.h"
#include "support/CustomerBuilder.h"
#include "support/PartyBuilder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// A host with a party of 400 who was guest at another, and one order line sold under two kinds.
class StatisticsCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        CustomerBuilder(QStringLiteral("200001"))
            .name(QStringLiteral("Meier"), QStringLiteral("Erna"))
            .insertInto(*db);
        CustomerBuilder(QStringLiteral("200002"))
            .name(QStringLiteral("O'Brien"), QStringLiteral("Ann"))
            .insertInto(*db);
        PartyBuilder(QStringLiteral("0001"))
            .week(QStringLiteral("202605"))
            .host(QStringLiteral("200001"))
            .with(QStringLiteral("S_UMSATZ"), 400.5)
            .insertInto(*db);
        PartyBuilder(QStringLiteral("0002"))
            .week(QStringLiteral("202606"))
            .host(QStringLiteral("200002"))
            .with(QStringLiteral("S_UMSATZ"), 100)
            .insertInto(*db);
        participant(*db, "0001", "01", "200001", "0", 40); // a host marker to be put right
        participant(*db, "0002", "01", "200002", "1", 10);
        participant(*db, "0002", "02", "200001", "0", 20);
        for (const char* va : {"10", "20"})
            db->insert(Schema::get(QStringLiteral("Tupper1")),
                       {{QStringLiteral("R_NR"), QStringLiteral("0001")},
                        {QStringLiteral("P_NR"), QStringLiteral("01")},
                        {QStringLiteral("L_NR"), QStringLiteral("A1%9")},
                        {QStringLiteral("VA"), QString::fromLatin1(va)},
                        {QStringLiteral("MWoche"), QStringLiteral("202605")},
                        {QStringLiteral("STUECK"), 2},
                        {QStringLiteral("SUMME"), 19.9}});
    }
    static void participant(Database& db, const char* rNr, const char* pNr, const char* kNr, const char* type,
                            double turnover)
    {
        db.insert(Schema::get(QStringLiteral("Tupper")),
                  {{QStringLiteral("R_NR"), QString::fromLatin1(rNr)},
                   {QStringLiteral("P_NR"), QString::fromLatin1(pNr)},
                   {QStringLiteral("K_NR"), QString::fromLatin1(kNr)},
                   {QStringLiteral("V_GTYP"), QString::fromLatin1(type)},
                   {QStringLiteral("MWoche"), QStringLiteral("202605")},
                   {QStringLiteral("UMSATZ"), turnover},
                   {QStringLiteral("BEZAHLT"), turnover < 30 ? 0 : 1}});
    }
    CliRun cli(const QStringList& args)
    {
        return runCli(QStringList{QStringLiteral("--home"), home.root()} + args);
    }

    TempHome home;
};

TEST_F(StatisticsCommandsTest, ViewsAsLists)
{
    struct Case
    {
        QStringList args;
        QStringList lines;
    } cases[] = {
        {{"stats", "customers", "-", "-"},
         {"K_NR;NAME;XNAME;MAX OF NAME;MAX OF "
          "STRASSE;Ort;VANZAHL;GVANZAHL;Umsatz;AVUmsatz;GastGUmsatz;VUmsatz;"
          "Sterne;UM_Sterne",
          "200001;Erna Meier;Meier Erna;Meier;; ;2;1;60,00;200,25;400,50;400,50;0;0,00",
          "200002;Ann O'Brien;O'brien Ann;O'Brien;; ;1;1;10,00;100,00;100,00;100,00;0;0,00"}},
        {{"stats", "customers", "202601", "202653", "--min", "2", "--sort", "gastgeber"},
         {"K_NR;NAME;XNAME;MAX OF NAME;MAX OF "
          "STRASSE;Ort;VANZAHL;GVANZAHL;Umsatz;AVUmsatz;GastGUmsatz;VUmsatz;"
          "Sterne;UM_Sterne",
          "200001;Erna Meier;Meier Erna;Meier;; ;2;1;60,00;200,25;400,50;400,50;0;0,00"}},
        {{"stats", "unpaid", "202601", "202610"},
         {"R_NR;P_NR;K_NR;NAME;ORT;MWoche;UMSATZ;BEZAHLT",
          "0002;01;200002;O'Brien, Ann; ;202605;10,00;nicht bezahlt",
          "0002;02;200001;Meier, Erna; ;202605;20,00;nicht bezahlt"}},
        {{"stats", "hitlist", "--artikel", "a1%", "--sort", "umsatz"},
         {"L_NR;VA;Stueck;Sterne;L_TEXT;EINZ_KOST;EINZ_PREIS;KOSTEN;SUMME",
          "A1%9;10;2;0;;0,00;0,00;0,00;19,90", "A1%9;20;2;0;;0,00;0,00;0,00;19,90"}},
        {{"stats", "hitlist", "--artikel", "A1_"},
         {"L_NR;VA;Stueck;Sterne;L_TEXT;EINZ_KOST;EINZ_PREIS;KOSTEN;SUMME"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = cli(c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), c.lines);
    }
}

TEST_F(StatisticsCommandsTest, WrongArgumentsAreRefused)
{
    for (const QStringList& args : {QStringList{"stats", "customers", "202601"},
                                    QStringList{"stats", "customers", "-", "-", "--sort", "name"},
                                    QStringList{"stats", "customers", "202610", "202601"},
                                    QStringList{"stats", "hitlist", "--von", "2026"},
                                    QStringList{"stats", "weeks", "-", "-", "mehr"}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_FALSE(run.err.trimmed().isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(StatisticsCommandsTest, ChartAsPngAndBitmap)
{
    for (const char* name : {"/grafik.png", "/grafik.bmp", "/grafik"}) {
        SCOPED_TRACE(name);
        const QString file = home.root() + QString::fromLatin1(name);
        const CliRun run = cli({"stats", "chart", "-", "-", "--png", file, "--page", "3"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Seite 1 von 1")));
        const QString written = QString::fromLatin1(name) == QStringLiteral("/grafik") ? file + ".BMP" : file;
        const QImage image(written);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(1200, 700));
    }
    QFile png(home.root() + "/grafik.png");
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(4).endsWith("PNG"));
    QFile bmp(home.root() + "/grafik.bmp");
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(2), QByteArray("BM"));
}

TEST_F(StatisticsCommandsTest, EveryPrintAsPdf)
{
    const QStringList reports[] = {
        {"statistik-kunden", "-", "-", "--sort", "sterne"},
        {"statistik-bezahlt", "202601", "202653"},
        {"statistik-wochen", "202601", "202653"},
        {"statistik-artikel", "--artikel", "A1"},
        {"statistik-hitliste", "--va", "Alle", "--von", "202601", "--bis", "202653"},
    };
    for (const QStringList& report : reports) {
        SCOPED_TRACE(report.first().toStdString());
        const QString pdf = home.root() + QLatin1Char('/') + report.first() + QStringLiteral(".pdf");
        const CliRun run = cli(QStringList{"report"} + report + QStringList{"--pdf", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    }
}

} // namespace

} // namespace korbelant::test
