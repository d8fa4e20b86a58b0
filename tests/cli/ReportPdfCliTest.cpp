#include "core/Database.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"
#include "support/WeekReportParties.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

// The line of the PDF text that starts with the label, with its runs of blanks collapsed.
QString lineStartingWith(const QString& text, const QString& label)
{
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (line.startsWith(label))
            return line;
    }
    return QString();
}

class ReportPdfCliTest : public ::testing::Test
{
protected:
    void SetUp() override { test::WeekReportParties::insert(*home.openDb()); }
    QString pdf() const { return home.root() + QStringLiteral("/out/wochen.pdf"); }

    test::TempHome home;
};

TEST_F(ReportPdfCliTest, WeekOverviewAsPdf)
{
    QDir(home.root()).mkdir(QStringLiteral("out"));
    const auto run = test::runCli({QStringLiteral("--home"), home.root(), QStringLiteral("report"),
                                   QStringLiteral("wochenuebersicht"), QStringLiteral("202601"),
                                   QStringLiteral("05.02.2026"), QStringLiteral("--pdf"), pdf()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = test::pdfLayoutText(pdf());
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    EXPECT_TRUE(text.contains(QStringLiteral("Wochenübersicht")));
    EXPECT_TRUE(text.contains(QStringLiteral("Blatt 1")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Gedruckt : \\d\\d\\.\\d\\d\\.\\d{4}"))));
    EXPECT_FALSE(text.contains(QStringLiteral("Woche 202552")));
    EXPECT_TRUE(text.contains(QStringLiteral("Woche 202601")));
    EXPECT_TRUE(text.contains(QStringLiteral("Woche 202602")));
    EXPECT_TRUE(text.contains(QStringLiteral("Woche 202605")));
    EXPECT_TRUE(text.contains(QStringLiteral("Müller, Anna")));
    EXPECT_EQ(lineStartingWith(text, QStringLiteral("Teilsumme")),
              QStringLiteral("Teilsumme 5 20 65 32,50 1.600,75 160,00 1.480,50 1.350,00"));
    EXPECT_EQ(lineStartingWith(text, QStringLiteral("Summe komplett")),
              QStringLiteral("Summe komplett 4 Vorf. 6 30 85 40,00 1.950,75 195,00 1.815,50 1.670,00"));
}

TEST_F(ReportPdfCliTest, BadRequestsFailWithGermanMessageAndLeaveFileAlone)
{
    QFile existing(pdf());
    QDir(home.root()).mkdir(QStringLiteral("out"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("alt");
    existing.close();

    struct Case
    {
        QStringList args;
        const char* message;
    };
    const std::vector<Case> cases{
        {{"report", "gibtsnicht", "--pdf", pdf()}, "Unbekannter Bericht \"gibtsnicht\""},
        {{"report", "wochenuebersicht", "2026", "--pdf", pdf()}, "Ungültige Woche \"2026\""},
        {{"report", "wochenuebersicht", "202605", "202601", "--pdf", pdf()}, "liegt nach der Woche"},
        {{"report", "wochenuebersicht", "1", "2", "3", "--pdf", pdf()}, "Zu viele Angaben"},
        {{"report", "wochenuebersicht"}, "--pdf DATEI fehlt"},
        {{"report", "wochenuebersicht", "--pdf"}, "fehlt der Dateiname"},
        {{"report", "wochenuebersicht", "--pdf", home.root() + QStringLiteral("/fehlt/x.pdf")},
         "kann nicht geschrieben werden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const auto run = test::runCli(QStringList{QStringLiteral("--home"), home.root()} + c.args);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("alt"));
}

TEST(ReportCli, HelpNamesTheReportsAndTheirArguments)
{
    const auto run = test::runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("report BERICHT [ANGABEN…] --pdf DATEI")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("wochenuebersicht [VON] [BIS]")));
}

} // namespace
} // namespace korbelant
