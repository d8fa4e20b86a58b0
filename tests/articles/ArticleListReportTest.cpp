#include "articles/ArticleListReport.h"
#include "articles/ArticleSalesReport.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRegistry.h"
#include "support/ArticleModuleFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korbelant::test {

namespace {

class ArticleListReportTest : public ArticleModuleFixture
{
protected:
    void SetUp() override
    {
        ArticleModuleFixture::SetUp();
        addArticle(QStringLiteral("A100"), {{QStringLiteral("L_TEXT"), QStringLiteral("Schüssel")},
                                            {QStringLiteral("PREIS"), 100.0},
                                            {QStringLiteral("BESTAND"), 2},
                                            {QStringLiteral("AKTIV"), true},
                                            {QStringLiteral("Z_NR"), QStringLiteral("12345678")}});
        addArticle(QStringLiteral("A1ZZ"), {{QStringLiteral("PREIS"), 2.5}, {QStringLiteral("BESTAND"), 4}});
        addArticle(QStringLiteral("A2"), {{QStringLiteral("PREIS"), 1000.0}, {QStringLiteral("BESTAND"), 1}});
    }
    static QStringList heads(const ReportSection& s)
    {
        QStringList titles;
        for (const ReportColumn& c : s.columns)
            titles << c.title;
        return titles;
    }
};

TEST_F(ArticleListReportTest, ListWithAndWithoutSecondCurrency)
{
    options().setChecked(QStringLiteral("Artikel"), false);
    ReportDocument plain =
        ArticleListReport::buildList(*m_set, {QStringLiteral("A100"), QStringLiteral("A1")});
    ASSERT_EQ(plain.sections.size(), 1u);
    EXPECT_EQ(plain.title, QStringLiteral("Artikel-Liste"));
    EXPECT_EQ(heads(plain.sections[0]),
              (QStringList{"Artikel-Nr.", "VA-Nr.", "Bestell-Nr.", "Text", "Preis", "Sterne", "Aktiv"}));
    EXPECT_EQ(plain.sections[0].rowCount(), 2);
    const ReportRow& first = plain.sections[0].groups[0].rows[0];
    EXPECT_EQ(first.values.last().toString(), QStringLiteral("Ja"));

    // A new data set is kept in Euro (its currency state), whatever the option Euro says.
    options().setChecked(QStringLiteral("Artikel"), true);
    options().setChecked(QStringLiteral("Euro"), false);
    ReportDocument euro = ArticleListReport::buildList(*m_set, {});
    const ReportSection& e = euro.sections[0];
    EXPECT_EQ(heads(e), (QStringList{"Artikel-Nr.", "VA-Nr.", "Bestell-Nr.", "Text", "Preis(Euro)",
                                     "Preis(DM)", "Sterne", "Aktiv"}));
    EXPECT_EQ(e.rowCount(), 3);
    EXPECT_EQ(e.columns[5].printed(e.groups[0].rows[0].values[5]), QStringLiteral("195,58"));
    EXPECT_EQ(e.columns[5].printed(e.groups[0].rows[2].values[5]), QStringLiteral("1.955,83"));

    QFile status(m_set->home().statusFile());
    ASSERT_TRUE(status.open(QIODevice::WriteOnly));
    status.write("DEM\r\n");
    status.close();
    ReportDocument dm = ArticleListReport::buildList(*m_set, {});
    const ReportSection& d = dm.sections[0];
    EXPECT_EQ(heads(d), (QStringList{"Artikel-Nr.", "VA-Nr.", "Bestell-Nr.", "Text", "Preis(DM)",
                                     "Preis(Euro)", "Sterne", "Aktiv"}));
    EXPECT_EQ(d.columns[5].printed(d.groups[0].rows[0].values[5]), QStringLiteral("51,13"));
    EXPECT_EQ(d.columns[4].printed(d.groups[0].rows[2].values[4]), QStringLiteral("1.000,00"));

    // Without a recorded currency the option Euro decides.
    ASSERT_TRUE(QFile::remove(m_set->home().statusFile()));
    options().setChecked(QStringLiteral("Euro"), true);
    EXPECT_EQ(heads(ArticleListReport::buildList(*m_set, {}).sections[0]).at(4),
              QStringLiteral("Preis(Euro)"));
}

TEST_F(ArticleListReportTest, StockListSumsTheValues)
{
    ReportDocument doc = ArticleListReport::buildStock(*m_set, {QStringLiteral("A1")});
    EXPECT_EQ(doc.title, QStringLiteral("Artikelbestand"));
    const ReportSection& s = doc.sections[0];
    EXPECT_EQ(heads(s),
              (QStringList{"Artikel-Nr.", "VA-Nr.", "Bestell-Nr.", "Text", "Preis", "Bestand", "Wert"}));
    EXPECT_EQ(s.summaryLabel, QStringLiteral("Summe:"));
    EXPECT_EQ(s.rowCount(), 3);
    EXPECT_DOUBLE_EQ(s.total(6), 1210.0);
    EXPECT_DOUBLE_EQ(ArticleListReport::buildStock(*m_set, {QStringLiteral("A100"), QStringLiteral("A1")})
                         .sections[0]
                         .total(6),
                     210.0);
    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 1u);
    const ReportItem* sum = pages[0].findText(QStringLiteral("Summe:"));
    ASSERT_NE(sum, nullptr);
    EXPECT_TRUE(pages[0].lineOf(*sum).contains(QStringLiteral("1.210,00")))
        << pages[0].lineOf(*sum).join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Artikelbestand")));
    EXPECT_THROW(ArticleListReport::buildStock(
                     *m_set, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}),
                 ReportError);
}

TEST_F(ArticleListReportTest, SalesListShortAndWithAddress)
{
    ArticleSalesQuery::Sale sale;
    sale.rNr = QStringLiteral("010103A");
    sale.pNr = QStringLiteral("02");
    sale.woche = QStringLiteral("2003011");
    sale.kundenName = QStringLiteral("Erna Muster");
    sale.strasse = QStringLiteral("Weg 1");
    sale.ort = QStringLiteral("12345 Musterstadt");
    sale.kosten = 7.5;
    sale.summe = 10;
    const QString title = QStringLiteral("Übersicht von Artikel A*  mit der VA Alle  der Wochen / bis /");
    ReportDocument shortList = ArticleSalesReport::document({sale, sale}, title, false);
    EXPECT_EQ(shortList.title, title);
    const ReportSection& s = shortList.sections[0];
    EXPECT_EQ(s.groups[0].rows[0].values[2].toString(), QStringLiteral("2003/01/1"));
    EXPECT_TRUE(s.groups[0].rows[0].extraLines.isEmpty());
    EXPECT_DOUBLE_EQ(s.total(9), 15.0);
    EXPECT_DOUBLE_EQ(s.total(11), 20.0);
    ReportDocument withAddress = ArticleSalesReport::document({sale}, title, true);
    EXPECT_EQ(withAddress.sections[0].groups[0].rows[0].extraLines.value(0).value(3),
              QStringLiteral("Weg 1"));
}

TEST_F(ArticleListReportTest, CommandLineWritesThePdf)
{
    const QString pdf = QDir(m_home.root()).filePath(QStringLiteral("bestand.pdf"));
    m_set.reset();
    const CliRun run =
        runCli({QStringLiteral("--home"), m_home.root(), QStringLiteral("report"),
                QStringLiteral("artikelbestand"), QStringLiteral("A1"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

} // namespace

} // namespace korbelant::test
