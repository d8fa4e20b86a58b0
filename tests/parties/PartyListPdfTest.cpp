#include "support/PartyListFixture.h"
#include "support/PdfText.h"

#include <QDir>

namespace korbelant::test {

// The lists of a party through korbelant-cli into PDF files, read back with pdftotext.
class PartyListPdf : public PartyListFixture
{
protected:
    void SetUp() override
    {
        options().setChecked(QStringLiteral("Auslief"), true);
        options().setChecked(QStringLiteral("Gaeste"), true);
        options().setChecked(QStringLiteral("Euro"), false);
        ASSERT_TRUE(options().SaveOptions());
        berta = guest(QStringLiteral("100011"), QStringLiteral("Schmidt"), QStringLiteral("Berta"));
        line("01", {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 100, .L_TEXT = "Topfset"});
        line(berta, {.L_NR = "2002", .STUECK = 2, .EINZ_PREIS = 7.5, .NACHLIEF = "J", .L_TEXT = "Dose"});
        setParticipant("01", {{"UMSATZ", 100}, {"Verabredung", 1}, {"Verabred_DATUM", "2026-02-03"}});
        setParticipant(berta, {{"UMSATZ", 15}, {"BENENNUNG", 1}, {"BENE_DATUM", "2026-02-20"}});
        QDir(m_home.root()).mkdir(QStringLiteral("out"));
    }

    CliRun report(const QStringList& args, const QString& pdf)
    {
        return runCli(QStringList{QStringLiteral("--home"), m_home.root(), QStringLiteral("report")} + args +
                      QStringList{QStringLiteral("--pdf"), pdf});
    }

    QString berta;
};

TEST_F(PartyListPdf, EveryListAsPdf)
{
    struct Case
    {
        QStringList args;
        QStringList texts; // each on the text of the PDF, runs of blanks collapsed
    };
    const std::vector<Case> cases{
        {{"auslieferung-gast", rNr},
         {"GASTGEBERIN-LISTE (Unterteilt nach Einzelpositionen pro Gast)", "Gast-Nr. 02 Schmidt, Berta",
          "1 1001 10 Topfset 100,00 100,00 51,13", "Dose 7,50 15,00 Nachlieferung 7,67",
          "3 Stück 115,00 DM 58,80 €", "Blatt 1"}},
        {{"einzelblaetter", rNr, berta},
         {"EINZELGASTBESTELLUNG", "Gast-Nr. 02", "Berta Schmidt", "***Summe***", "2 Stück 15,00 DM 7,67 €"}},
        {{"gastgeberliste", rNr},
         {"GASTGEBERIN-LISTE (Auflistung der kompletten Vorführung)", "Topfset 100,00 Verkauf 100,00 51,13",
          "3 Stück 115,00 DM 58,80 €"}},
        {{"tupperboerse", rNr},
         {"Vorführungsnummer : " + rNr, "Schmidt, Berta", "15,00 DM 7,67", "Insgesamt : 115,00 DM 58,80 €",
          "erreichte Sterne :", "eingegebene Sterne : 0"}},
        {{"gaeste-bezahlt", rNr}, {"Verkauf DM", "Schmidt,", "JA"}},
        {{"gaesteliste", rNr}, {"Gästeliste", "Für die Tupperparty®", "bei: Müller, Anna", "Schmidt, Berta"}},
        {{"zusatzsterne", rNr},
         {"Zusätzliche Sterne", "Folgende Vorführungen wurden gebucht :", "Datum der Vorführung 03.02.2026",
          "Benennung:", "Termin 20.02.2026"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const QString pdf = m_home.root() + QStringLiteral("/out/") + c.args.front() + QStringLiteral(".pdf");
        const CliRun run = report(c.args, pdf);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        // Compatibility forms undo the ligatures ("fl") that the PDF text may carry.
        QString text = pdfLayoutText(pdf).normalized(QString::NormalizationForm_KC);
        ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
        QStringList lines;
        for (const QString& l : text.split(QLatin1Char('\n')))
            lines << l.simplified();
        text = lines.join(QLatin1Char('\n'));
        for (const QString& expected : c.texts)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    }
}

TEST_F(PartyListPdf, UnknownPartyOrGuestIsRefused)
{
    const QString pdf = m_home.root() + QStringLiteral("/out/x.pdf");
    struct Case
    {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases{
        {{"tupperboerse", "010101Z"}, 1, "Es gibt keine Vorführung mit der Nummer \"010101Z\"."},
        {{"einzelblaetter", rNr, "55"}, 1, "hat keinen Gast mit der Nummer \"55\""},
        {{"gaesteliste"}, 2, "Die Vorführungsnummer fehlt."},
        {{"zusatzsterne", rNr, "01"}, 2, "Zu viele Angaben: 01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = report(c.args, pdf);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));

    const CliRun help = runCli({QStringLiteral("report"), QStringLiteral("--help")});
    for (const char* usage :
         {"auslieferung-gast R_NR", "einzelblaetter R_NR [P_NR]", "gastgeberliste R_NR", "tupperboerse R_NR",
          "gaeste-bezahlt R_NR", "gaesteliste R_NR", "zusatzsterne R_NR"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(usage))) << usage;
}

} // namespace korbelant::test
