#include "articles/ArticleReportData.h"
#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

using ArticleReportDataTest = ArticleModuleFixture;

TEST_F(ArticleReportDataTest, StockListSumsTheValuesOfThePrintedArticles)
{
    addArticle(QStringLiteral("S001"), {{QStringLiteral("BESTAND"), 3}, {QStringLiteral("PREIS"), 2.5}});
    addArticle(QStringLiteral("S002"), {{QStringLiteral("BESTAND"), 2}, {QStringLiteral("PREIS"), 10.0}});
    addArticle(QStringLiteral("T001"), {{QStringLiteral("BESTAND"), 1}, {QStringLiteral("PREIS"), 99.0}});
    addArticle(QStringLiteral("S003"), {{QStringLiteral("PREIS"), 50.0}}); // no stock
    modul().activateFromMainMenu();
    const auto list =
        ArticleReportData::stockList(modul().listRows(QStringLiteral("S"), QStringLiteral("S"), false));
    EXPECT_EQ(numbers(list.rows), (QStringList{"S001", "S002", "S003"}));
    EXPECT_DOUBLE_EQ(list.total, 27.5);
    EXPECT_DOUBLE_EQ(ArticleReportData::stockList(modul().listRows({}, {}, true)).total, 126.5);
}

TEST(ArticleReportDataText, SalesTitleAndTotals)
{
    EXPECT_EQ(ArticleReportData::salesTitle(QStringLiteral("A1"), QStringLiteral("Alle"),
                                            QStringLiteral("200301"), QStringLiteral("200320")),
              QStringLiteral("Übersicht von Artikel A1*  mit der VA Alle  der Wochen 2003/01 bis 2003/20"));
    ArticleSalesQuery::Sale a, b;
    a.kosten = 1.5;
    a.summe = 2;
    b.kosten = 3;
    b.summe = 4.25;
    const auto totals = ArticleReportData::salesTotals({a, b});
    EXPECT_DOUBLE_EQ(totals.kosten, 4.5);
    EXPECT_DOUBLE_EQ(totals.summe, 6.25);
    EXPECT_EQ(ArticleReportData::activeText(true), QStringLiteral("Ja"));
    EXPECT_EQ(ArticleReportData::activeText(false), QStringLiteral("Nein"));
}

} // namespace

} // namespace korbelant::test
