#include "articles/ArticleBenchData.h"
#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The article window's actions on the catalogue of 10,000 articles that korbelant-article-bench
// times: every filter, order and search still finds what it should at that size.
TEST(ArticleLargeCatalogue, TenThousandArticlesFilterSortAndSearch)
{
    TempHome home;
    auto set = DataSet::open(home.home());
    Database& db = set->db();
    fillBenchArticles(db, 10000);
    ScriptedUi ui;
    TArtikelModul modul(db, set->options(), ui);
    modul.activateFromMainMenu();
    EXPECT_EQ(modul.recordCount(), 10000);
    ArticleStatusSwitches s = modul.switches();
    s.showInactive = false;
    s.showNew = false;
    s.showRemoved = false;
    modul.setSwitches(s);
    s.stockOnly = true;
    modul.setSwitches(s);
    EXPECT_EQ(modul.recordCount(), 589);
    s.stockOnly = false;
    s.showInactive = true;
    modul.setSwitches(s);
    modul.setKindSelection(QStringLiteral("38=Serviceprodukte"));
    EXPECT_EQ(modul.recordCount(), 2000);
    modul.setKindSelection(KindTable::kAll);
    for (auto order : {ArticleSortOrder::ByText, ArticleSortOrder::ByStars, ArticleSortOrder::ByPrice,
                       ArticleSortOrder::ByNumber})
        modul.setSortOrder(order);
    {
        ArticleQuery query = modul.query();
        query.order = ArticleSortOrder::ByText;
        Statement st = db.prepare(query.sql());
        st.bindAll(query.params());
        int rows = 0;
        while (st.next())
            ++rows;
        EXPECT_EQ(rows, 10000);
    }
    EXPECT_TRUE(modul.incrementalSearch(QStringLiteral("A009999")));
    EXPECT_EQ(modul.fullTextSearch(QStringLiteral("schüssel 9999"), true).size(), 1u);
    EXPECT_EQ(modul.fullTextSearch(QStringLiteral("Artikel 976 "), false).size(), 10u);
    EXPECT_EQ(modul.listRows(QStringLiteral("A000100"), QStringLiteral("A0001"), false).size(), 100u);
}

} // namespace

} // namespace korbelant::test
