#include "core/Schema.h"
#include "reports/ReportRegistry.h"
#include "support/TableContents.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

const QString kParty = QStringLiteral("040324A");

QString contents(Database& db)
{
    return tableContents(db, {"Kunden", "Lager", "Tuppkopf", "Tupper", "Tupper1", "MWoche"});
}

class RefusedInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        db->insert(Schema::get(QStringLiteral("Kunden")),
                   {{QStringLiteral("K_NR"), QStringLiteral("100005")},
                    {QStringLiteral("NAME"), QStringLiteral("Müller")}});
        db->insert(Schema::get(QStringLiteral("Lager")),
                   {{QStringLiteral("L_NR"), QStringLiteral("T10")},
                    {QStringLiteral("VA"), QStringLiteral("10")},
                    {QStringLiteral("L_TEXT"), QStringLiteral("Frischhaltedose")},
                    {QStringLiteral("PREIS"), 20.0}});
        ASSERT_EQ(cli({QStringLiteral("party"), QStringLiteral("new"), QStringLiteral("04.03.2024"),
                       QStringLiteral("A"), QStringLiteral("100005")})
                      .exitCode,
                  0);
        ASSERT_EQ(cli({QStringLiteral("party"), QStringLiteral("guest"), kParty, QStringLiteral("100005")})
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

    TempHome home;
};

} // namespace

TEST_F(RefusedInput, EveryRefusalSaysWhyAndStoresNothing)
{
    struct Case
    {
        QString command;
        QString answers;
        QString message;
        int exitCode;
    };
    const QString name23 = QString(23, QLatin1Char('N'));
    const QString text41 = QString(41, QLatin1Char('t'));
    const std::vector<Case> cases{
        {QStringLiteral("party guest 040324A 777777"),
         {},
         QStringLiteral("Den Kunden 777777 gibt es nicht."),
         1},
        {QStringLiteral("party guest-set 040324A 02 K_NR=777777"),
         {},
         QStringLiteral("Den Kunden 777777 gibt es nicht."),
         1},
        {QStringLiteral("customer new NAME=") + name23,
         {},
         QStringLiteral("Der Wert für NAME ist länger als 22 Zeichen."),
         1},
        {QStringLiteral("customer new NAME=Nagel PLZ=1234567"),
         {},
         QStringLiteral("Der Wert für PLZ ist länger als 6 Zeichen."),
         1},
        {QStringLiteral("article new L_NR=A101 Z_NR=12345678 VA=10 L_TEXT=") + text41,
         {},
         QStringLiteral("Der Wert für L_TEXT ist länger als 40 Zeichen."),
         1},
        {QStringLiteral("party line 040324A 02 T10 10 1,5"),
         {},
         QStringLiteral("Ungültige Stückzahl \"1,5\""),
         1},
        {QStringLiteral("party line 040324A 02 T10 10 drei"),
         {},
         QStringLiteral("Ungültige Stückzahl \"drei\""),
         1},
        {QStringLiteral("party line 040324A 02 T10 10 1 L_TEXT=") + text41,
         {},
         QStringLiteral("Der Wert für L_TEXT ist länger als 40 Zeichen."),
         1},
        {QStringLiteral("party line 040324A 02 T10 10 1 FEHL_CODE=ABCD"),
         {},
         QStringLiteral("Der Wert für FEHL_CODE ist länger als 3 Zeichen."),
         1},
        {QStringLiteral("party set 040324A VF_TEXT=") + QString(256, QLatin1Char('v')),
         {},
         QStringLiteral("Der Wert für VF_TEXT ist länger als 255 Zeichen."),
         1},
        {QStringLiteral("party guest 999999Z 100005"),
         {},
         QStringLiteral("Die Vorführung 999999Z gibt es nicht."),
         1},
        {QStringLiteral("party line 040324A 07 T10 10 1"),
         {},
         QStringLiteral("Den Teilnehmer 07 der Vorführung 040324A gibt es nicht."),
         1},
        {QStringLiteral("party new 32.13.2024 B 100005"), {}, QStringLiteral("Kein gültiges Datum"), 1},
        // Values that are no date, time or amount at all are a wrong call.
        {QStringLiteral("party guest-set 040324A 02 Verabred_ZEIT=25:99"),
         {},
         QStringLiteral("Ungültige Zeit \"25:99\" (erwartet HH:MM)."),
         2},
        {QStringLiteral("week-key 31.02.2005"),
         {},
         QStringLiteral("Ungültiges Datum \"31.02.2005\" (erwartet TT.MM.JJJJ)."),
         2},
        {QStringLiteral("dm-to-euro 1x"), {}, QStringLiteral("Ungültiger Betrag \"1x\"."), 2},
        {QStringLiteral("party new 01.01.2099 B 100005"),
         {},
         QStringLiteral("Abgebrochen, nichts geändert."),
         3},
        {QStringLiteral("party guest-delete 040324A 02"), QStringLiteral("nein"),
         QStringLiteral("Abgebrochen, nichts gelöscht."), 3},
        {QStringLiteral("party delete 040324A"), QStringLiteral("abbrechen"),
         QStringLiteral("Abgebrochen, nichts gelöscht."), 3},
        {QStringLiteral("party delete 040324A"), {}, QStringLiteral("Abgebrochen, nichts gelöscht."), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const QString before = contents(*home.openDb());
        const CliRun run = cli(c.command.split(QLatin1Char(' ')), c.answers);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_EQ(contents(*home.openDb()), before);
    }
}

TEST_F(RefusedInput, WholePiecesStayFreeAsInTheWindow)
{
    for (const char* pieces : {"-2", "0", "3"}) {
        const CliRun run = cli({QStringLiteral("party"), QStringLiteral("line"), kParty, QStringLiteral("02"),
                                QStringLiteral("T10"), QStringLiteral("10"), QString::fromLatin1(pieces)});
        EXPECT_EQ(run.exitCode, 0) << pieces << ' ' << run.err.toStdString();
    }
    EXPECT_EQ(home.openDb()
                  ->scalar(QStringLiteral("SELECT SUM(STUECK) FROM Tupper1 WHERE R_NR = ?"), {kParty})
                  .toInt(),
              1);
}

TEST_F(RefusedInput, JaAndNeinAnswerOkCancelQuestions)
{
    const CliRun kept =
        cli({QStringLiteral("party"), QStringLiteral("guest-delete"), kParty, QStringLiteral("02")},
            QStringLiteral("nein"));
    EXPECT_EQ(kept.exitCode, 3);
    EXPECT_EQ(
        home.openDb()->scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper WHERE R_NR = ?"), {kParty}).toInt(),
        2);
    const CliRun deleted =
        cli({QStringLiteral("party"), QStringLiteral("guest-delete"), kParty, QStringLiteral("02")},
            QStringLiteral("ja"));
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(
        home.openDb()->scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper WHERE R_NR = ?"), {kParty}).toInt(),
        1);
}

TEST_F(RefusedInput, ReportHelpListsTheReports)
{
    for (const QStringList& args : {QStringList{QStringLiteral("report"), QStringLiteral("--help")},
                                    QStringList{QStringLiteral("help"), QStringLiteral("report")}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (const ReportRegistry::Entry& entry : ReportRegistry::standard().entries()) {
            EXPECT_TRUE(run.out.contains(entry.name)) << entry.name.toStdString();
            EXPECT_TRUE(run.out.contains(entry.description)) << entry.description.toStdString();
        }
    }
}

TEST_F(RefusedInput, FileErrorsInTheProgramsWords)
{
    const QString target = home.root() + QStringLiteral("/fehlt/liste.pdf");
    const CliRun run =
        cli({QStringLiteral("report"), QStringLiteral("artikelliste"), QStringLiteral("--pdf"), target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Datei nicht gefunden"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("No such file"))) << run.err.toStdString();
}

} // namespace korbelant::test
