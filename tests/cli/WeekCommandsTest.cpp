#include "core/Schema.h"
#include "support/PartyBuilder.h"
#include "support/PdfText.h"
#include "support/TableContents.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

QString contents(Database& db)
{
    return tableContents(db, {"MWoche", "anforderungen", "Tuppkopf", "Drucksa"});
}

// Week 202604 with four parties in part-weeks 1 .. 4 and two request items; week 202605 is empty.
class WeekCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        db->run(QStringLiteral("INSERT INTO MWoche (MWoche, DR_20, VORFUEHR_1, VORFUEHR_2, DR_1, DR_3) "
                               "VALUES ('202604', 2, 3, 1, 250, 40)"));
        db->run(QStringLiteral("INSERT INTO MWoche (MWoche) VALUES ('202605')"));
        const std::vector<std::tuple<const char*, const char*, int, double, double, int>> parties{
            {"200126A", "1", 8, 100.0, 90.0, 2},
            {"210126A", "2", 4, 50.0, 45.0, 1},
            {"220126A", "3", 0, 0.0, 0.0, 0},
            {"230126A", "4", 0, 0.0, 0.0, 0}};
        for (const auto& [rNr, partWeek, guests, turnover, weighted, stars] : parties)
            PartyBuilder(QString::fromLatin1(rNr))
                .week(QStringLiteral("202604"), QString::fromLatin1(partWeek))
                .host(QStringLiteral("100001"))
                .with(QStringLiteral("GAESTE"), guests)
                .with(QStringLiteral("S_UMSATZ"), turnover)
                .with(QStringLiteral("VKG_UMSATZ"), weighted)
                .with(QStringLiteral("STERNE"), stars)
                .insertInto(*db);
        db->run(
            QStringLiteral("INSERT INTO anforderungen (MWOCHE, Kodierung, Bezeichnung, Menge, Max) VALUES "
                           "('202604', 'FREI', 'Kugelschreiber', 0, 0), ('202604', 'DREI', 'Tasche', 3, 3)"));
    }
    CliRun cli(const QString& command, const QString& answers = {})
    {
        QStringList all{QStringLiteral("--home"), home.root()};
        if (!answers.isEmpty())
            all << QStringLiteral("--answers") << answers;
        return runCli(all + command.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

    TempHome home;
};

} // namespace

TEST_F(WeekCommands, RefusalsAndCancelledQuestionsChangeNothing)
{
    struct Case
    {
        QString command;
        QString answers;
        QString message;
        int exitCode;
    };
    const std::vector<Case> cases{
        {QStringLiteral("week show 209901"), {}, QStringLiteral("Die Woche 209901 gibt es nicht."), 1},
        {QStringLiteral("week new 20261"), QStringLiteral("ja"),
         QStringLiteral("Keine gültige Woche eingegeben"), 1},
        {QStringLiteral("week new 202610"), {}, QStringLiteral("Abgebrochen, nichts geändert."), 3},
        {QStringLiteral("week new 202604"), QStringLiteral("ja"), {}, 0},
        {QStringLiteral("week delete 202604"), QStringLiteral("ja"),
         QStringLiteral("Sie können nur eine leere Woche löschen."), 1},
        {QStringLiteral("week delete 202605"), QStringLiteral("nein"),
         QStringLiteral("Abgebrochen, nichts gelöscht."), 3},
        {QStringLiteral("week mark 202604 2 7"),
         {},
         QStringLiteral("Die Teilwoche 7 gibt es in der Woche 202604 nicht."),
         1},
        {QStringLiteral("week request 202604 XX up"),
         {},
         QStringLiteral("Den Posten XX gibt es in der Woche 202604 nicht."),
         1},
        {QStringLiteral("week request 202604 DREI up"), {}, {}, 0},
        {QStringLiteral("week set 202604 Start_NAME=Elfzeichen!"),
         {},
         QStringLiteral("Der Wert für Start_NAME ist länger als 10 Zeichen."),
         1},
        {QStringLiteral("week set 202604 Bemerkung=") + QString(161, QLatin1Char('x')),
         {},
         QStringLiteral("Der Wert für Bemerkung ist länger als 160 Zeichen."),
         1},
        {QStringLiteral("week set 202604 A_DATUM=32.13.2026"), {}, QStringLiteral("Ungültiges Datum"), 2},
        {QStringLiteral("week set 202604 MWoche=202699"),
         {},
         QStringLiteral("Das Feld MWoche kann hier nicht geändert werden."),
         2},
        {QStringLiteral("week set 202604 DR_20=11111"),
         {},
         QStringLiteral("Das Feld DR_20 kann hier nicht geändert werden."),
         2},
        {QStringLiteral("week spin 202604 DR_20 up"),
         {},
         QStringLiteral("Das Feld DR_20 hat keinen Drehknopf."),
         2},
        {QStringLiteral("week spin 202604 DR_2 hoch"), {}, QStringLiteral("Bitte up oder down angeben"), 2},
        {QStringLiteral("week printed 202604 6"),
         {},
         QStringLiteral("Der Bericht ist eine Zahl von 1 bis 5."),
         2},
        {QStringLiteral("week query 202604 umsatz"), {}, QStringLiteral("Unbekannte Abfrage umsatz"), 2},
        {QStringLiteral("week query 202604 orders --von 2"),
         {},
         QStringLiteral("Eine Teilwoche bitte mit --von und --bis angeben."),
         2},
        {QStringLiteral("week exported 209901"), {}, QStringLiteral("Die Woche 209901 gibt es nicht."), 1},
        {QStringLiteral("week frobnicate"), {}, QStringLiteral("Unbekannter Befehl week frobnicate."), 2},
    };
    for (const Case& c : cases) {
        const QString before = contents(*home.openDb());
        const CliRun run = cli(c.command, c.answers);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.command.toStdString() << "\n" << run.err.toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(run.err.contains(c.message)) << c.command.toStdString() << "\n"
                                                     << run.err.toStdString();
        }
        EXPECT_EQ(contents(*home.openDb()), before) << c.command.toStdString();
    }
}

TEST_F(WeekCommands, MarkingPrintsTheRangeAfterEveryClick)
{
    const CliRun run = cli(QStringLiteral("week mark 202604 2 4 1 4 1 3 2"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("2..2\n2..4\n1..4\n1..3\n2..3\n2..2\n-\n"));
}

TEST_F(WeekCommands, WeekRecordChangesShowInTheWeek)
{
    struct Step
    {
        QString command;
        QString out;
    };
    const std::vector<Step> steps{
        {QStringLiteral("week list"), QStringLiteral("202604\n202605\n")},
        {QStringLiteral("week set 202604 Bemerkung=Abholung A_DATUM=06.03.2026 A_ZEIT=9:30 Start_VF=12,5"),
         {}},
        {QStringLiteral("week spin 202604 VORFUEHR_2 down"), QStringLiteral("VORFUEHR_2=0\n")},
        {QStringLiteral("week spin 202604 VORFUEHR_2 down"), QStringLiteral("VORFUEHR_2=0\n")},
        {QStringLiteral("week spin 202604 REK_BESUCH up"), QStringLiteral("REK_BESUCH=1\n")},
        {QStringLiteral("week request 202604 FREI up"), QStringLiteral("Menge=1\n")},
        {QStringLiteral("week request 202604 DREI up"), QStringLiteral("Menge=3\n")},
        {QStringLiteral("week printed 202604 4"), QStringLiteral("DR_20=10\n")},
        {QStringLiteral("week exported 202604 --von 2 --bis 3"), QStringLiteral("Vorführungen=2\n")},
        {QStringLiteral("week rebuild"), QStringLiteral("Angelegt=0\n")},
        {QStringLiteral("week new 202610"), QStringLiteral("MWoche=202610\n")},
    };
    for (const Step& step : steps) {
        const CliRun run = cli(step.command, QStringLiteral("ja"));
        EXPECT_EQ(run.exitCode, 0) << step.command.toStdString() << "\n" << run.err.toStdString();
        if (!step.out.isEmpty()) {
            EXPECT_EQ(run.out, step.out) << step.command.toStdString();
        }
    }
    const QStringList shown = cli(QStringLiteral("week show 202604")).out.split(QLatin1Char('\n'));
    for (const char* line :
         {"Bemerkung=Abholung", "A_DATUM=06.03.2026", "A_ZEIT=09:30", "Start_VF=12,50", "VORFUEHR_1=3",
          "VORFUEHR_2=0", "REK_BESUCH=1", "DR_20=10", "Bericht4=gedruckt", "Bericht1=noch nicht gedruckt"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(shown.contains(QStringLiteral(
        "Teilwoche=2;MWOCHE=202604;TWOCHE=2;BENENNUNG=0;S_REKRUTI=0;S_VORFUEHR=1;SS_UMSATZ=50,00;SS_AUSGABE="
        "0,00;"
        "SS_PROV=0,00;S_VERABRED=0;S_GAESTE=4;S_ANGEBOTE=0;S_ZUGFEDER=0;S_STERNE=1;S_STERNE_B=0,00;"
        "S_UM_STERN=0,00;SVKG_UMSATZ=45,00;SWB_UMSATZ=")))
        << shown.join(QLatin1Char('\n')).toStdString();
    auto db = home.openDb();
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT GROUP_CONCAT(R_NR) FROM Tuppkopf WHERE ERSTELLT = 1")).toString(),
        QStringLiteral("210126A,220126A"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT DR_20 FROM MWoche WHERE MWoche = '202610'")).toInt(), 2);

    const CliRun success = cli(QStringLiteral("week query 202604 success --von 2 --bis 3"));
    const QStringList lines = success.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << success.out.toStdString();
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("MWOCHE;TWOCHE;BENENNUNG;")));
    EXPECT_TRUE(lines.at(0).endsWith(QStringLiteral(";Woche;RekBesuch;Nr;Disk;GV1;GV2;GV3;GV4;GV5;GV6")));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("202604;2;0;0;1;45,00;")));
    EXPECT_TRUE(lines.at(1).endsWith(QStringLiteral(";04;1;1;1;3;0;0;0;0;0")));
    EXPECT_TRUE(lines.at(2).endsWith(QStringLiteral(";04;1;2;1;0;0;0;0;0;0")));
}

TEST_F(WeekCommands, PrintedMatterOrderAsPdf)
{
    QDir(home.root()).mkdir(QStringLiteral("out"));
    const QString pdf = home.root() + QStringLiteral("/out/drucksachen.pdf");
    const CliRun run = cli(QStringLiteral("report drucksachen 202604 --von 2 --bis 2 --pdf ") + pdf);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines;
    for (const QString& line : pdfLayoutText(pdf).split(QLatin1Char('\n')))
        lines << line.simplified();
    const QString text = lines.join(QLatin1Char('\n'));
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    for (const char* expected :
         {"Drucksachenbestellung", "Woche.... : 2026/04", "Geplante Vorführungen", "1.Woche : 3",
          "2.Woche : 1", "6.Woche : 0", "Anzahl Gäste : 12", "Mein Umsatz : 135,00 (150,00)",
          "Vorführungen : 4", "Sterne : 3", "Anzahl", "Hauptkatalog Frühjahr/Sommer 250",
          "Monatsprospekt mit dem besonderen Angebot 40"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Hauptkatalog Herbst/Winter 0")));
    EXPECT_EQ(cli(QStringLiteral("report drucksachen 209901 --pdf ") + pdf).exitCode, 2);
}

} // namespace korbelant::test
