#include "support/OrvelaSource.h"
#include "support/TakeOverSources.h"
#include "takeover/DosTakeOver.h"
#include "takeover/KalmoTakeOver.h"
#include "takeover/QuarnelTakeOver.h"

#include <QDate>

namespace korbelant::test {

namespace {

class TakeOverCommandsTest : public TakeOverFixture
{
protected:
    CliRun cli(QStringList args)
    {
        args.prepend(m_home.root());
        args.prepend(QStringLiteral("--home"));
        return runCli(args);
    }
};

} // namespace

TEST_F(TakeOverCommandsTest, DosTakeoverPrintsEachRowWithItsCounts)
{
    writeTable(QStringLiteral("Kunden.dbf"), DosLayouts::customers(),
               {{{"K_NR", QStringLiteral("200001")}, {"NAME", QStringLiteral("Berger")}}});
    const CliRun run =
        cli({QStringLiteral("takeover"), QStringLiteral("dos"), QStringLiteral("--source"), sourceDir()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Zeile;Status;DOS;WIN 95\n"
                                      "Kundenstamm;abgeschlossen;1;3\n"
                                      "Artikelstamm;abgeschlossen;;\n"
                                      "Sonstige Ausgaben;abgeschlossen;;\n"
                                      "Vorführungsdaten;abgeschlossen;;\n"));
    EXPECT_EQ(count(QStringLiteral("Kunden")), 4);
}

// Without --source the DOS takeover reads the directory of the option Dospfad.
TEST_F(TakeOverCommandsTest, DosTakeoverReadsDospfadAndOnlyTheChosenRow)
{
    writeTable(QStringLiteral("Kunden.dbf"), DosLayouts::customers(), {{{"K_NR", QStringLiteral("200001")}}});
    writeTable(QStringLiteral("TuppKopf.dbf"), DosLayouts::partyHeaders(),
               {{{"R_NR", QStringLiteral("240399A")}}});
    options().setText(DosTakeOver::kOption, sourceDir());
    ASSERT_TRUE(options().SaveOptions());
    const CliRun run = cli({QStringLiteral("takeover"), QStringLiteral("dos"), QStringLiteral("--nur"),
                            QStringLiteral("vorfuehrungen")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Kundenstamm;nicht gewählt;;\n"))) << run.out.toStdString();
    EXPECT_EQ(count(QStringLiteral("Kunden")), 3);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 1);
}

TEST_F(TakeOverCommandsTest, KalmoTakeoverPrintsItsOwnCaptions)
{
    writeTable(QStringLiteral("GBAdr.dbf"), KalmoLayouts::customers(),
               {{{"NR", QStringLiteral("01200001")}}});
    writeTable(QStringLiteral("GBVF.dbf"), KalmoLayouts::parties(),
               {{{"VFNR", QStringLiteral("1")},
                 {"DATUM", QDate(1999, 3, 24)},
                 {"GGBNR", QStringLiteral("01200001")}}});
    const CliRun run =
        cli({QStringLiteral("takeover"), QStringLiteral("kalmo"), QStringLiteral("--source"), sourceDir()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Zeile;Status;Kalmor;KLV 2003\n"
                                      "Kundenstamm;abgeschlossen;1;4\n"
                                      "Vorführungsdaten;abgeschlossen;1;1\n"));
}

TEST_F(TakeOverCommandsTest, QuarnelTakeoverPrintsItsOwnCaptions)
{
    writeParadoxTable(QStringLiteral("personen.db"), QuarnelLayouts::customers(), {{{"ID", 200001}}});
    writeParadoxTable(QStringLiteral("VF.db"), QuarnelLayouts::parties(),
                      {{{"PartyID", 1}, {"Datum", QDate(2004, 2, 12)}, {"GastgeberNr", 200001}}});
    const CliRun run =
        cli({QStringLiteral("takeover"), QStringLiteral("quarnel"), QStringLiteral("--source"), sourceDir()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Zeile;Status;Quarnel;KLV 2003\n"
                                      "Kundenstamm;abgeschlossen;1;4\n"
                                      "Vorführungsdaten;;1;1\n"));
}

TEST_F(TakeOverCommandsTest, WrongSourcesAndArgumentsEndWithAMessage)
{
    const struct
    {
        QStringList args;
        QString message;
    } cases[] = {
        {{QStringLiteral("dos"), QStringLiteral("--source"), sourceDir()}, DosTakeOver::kInvalidPath},
        {{QStringLiteral("kalmo"), QStringLiteral("--source"), sourceDir()}, KalmoTakeOver::kInvalidPath},
        {{QStringLiteral("quarnel"), QStringLiteral("--source"), sourceDir()}, QuarnelTakeOver::kInvalidPath},
        {{QStringLiteral("kalmor")}, QStringLiteral("Unbekannte Datenübernahme")},
        {{QStringLiteral("dos"), QStringLiteral("--nur"), QStringLiteral("lager")},
         QStringLiteral("--nur erwartet")},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(QStringList{QStringLiteral("takeover")} + c.args);
        EXPECT_NE(run.exitCode, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// The Access driver of the Orvela database is the one the environment names, here the SQLite
// driver serving a stand-in of the database.
TEST_F(TakeOverCommandsTest, OrvelaTakeoverReadsThroughTheDriverOfTheEnvironment)
{
    OrvelaSource orvela;
    orvela.add(QStringLiteral("Adressen"), {{QStringLiteral("Index"), 4711}});
    qputenv("KORBELANT_ACCESS_ODBC_DRIVER", OrvelaSource::sqliteDriver().toLocal8Bit());
    qputenv("KORBELANT_ACCESS_ODBC_DATABASE_KEY", "Database");
    const CliRun run = cli({QStringLiteral("takeover"), QStringLiteral("orvela"), QStringLiteral("--source"),
                            orvela.directory(), QStringLiteral("--nur"), QStringLiteral("kunden")});
    qunsetenv("KORBELANT_ACCESS_ODBC_DRIVER");
    qunsetenv("KORBELANT_ACCESS_ODBC_DATABASE_KEY");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Zeile;Status;Orvela;KLV\n"
                                      "Kundenstamm;abgeschlossen;1;4\n"
                                      "Vorführungsdaten;nicht gewählt;;\n"));
    EXPECT_EQ(count(QStringLiteral("Kunden")), 4);
}

} // namespace korbelant::test
