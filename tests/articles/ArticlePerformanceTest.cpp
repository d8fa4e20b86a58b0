#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <functional>
#include <iostream>

namespace korbelant::test {

namespace {

// The article window's actions on a catalogue of 10,000 articles. The figures are printed; the
// bound only catches work that grows out of proportion (a query per record and the like).
TEST(ArticlePerformance, TenThousandArticlesFilterSortAndSearchQuickly)
{
    TempHome home;
    auto set = DataSet::open(home.home());
    Database& db = set->db();
    const TableDef& lager = Schema::get(QStringLiteral("Lager"));
    const QStringList kinds{"10", "20", "30", "38", "91"};
    {
        Transaction tx(db);
        for (int n = 0; n < 10000; ++n) {
            db.insert(lager, {{QStringLiteral("L_NR"), QStringLiteral("A%1").arg(n, 6, 10, QLatin1Char('0'))},
                              {QStringLiteral("Z_NR"), QStringLiteral("%1").arg(10000000 + n)},
                              {QStringLiteral("VA"), kinds.at(n % kinds.size())},
                              {QStringLiteral("L_TEXT"),
                               QStringLiteral("Artikel %1 Schüssel %2").arg(n % 977).arg(n)},
                              {QStringLiteral("PREIS"), (n % 500) / 4.0},
                              {QStringLiteral("STERNE"), n % 7},
                              {QStringLiteral("AKTIV"), n % 3 != 0},
                              {QStringLiteral("NEU"), n % 11 == 0},
                              {QStringLiteral("ENTFERNT"), n % 13 == 0},
                              {QStringLiteral("BESTAND"), n % 17 == 0 ? 2 : 0}});
        }
        tx.commit();
    }
    ScriptedUi ui;
    TArtikelModul modul(db, set->options(), ui);
    const auto measure = [](const char* what, const std::function<void()>& action) {
        QElapsedTimer timer;
        timer.start();
        action();
        const qint64 ms = timer.elapsed();
        std::cout << "  " << what << ": " << ms << " ms" << std::endl;
        EXPECT_LT(ms, 1500) << what;
    };
    measure("open window (all 10,000)", [&] { modul.activateFromMainMenu(); });
    EXPECT_EQ(modul.recordCount(), 10000);
    ArticleStatusSwitches s = modul.switches();
    s.showInactive = false;
    s.showNew = false;
    s.showRemoved = false;
    measure("status filter: only active", [&] { modul.setSwitches(s); });
    s.stockOnly = true;
    measure("status filter: stock only", [&] { modul.setSwitches(s); });
    EXPECT_EQ(modul.recordCount(), 589);
    s.stockOnly = false;
    s.showInactive = true;
    modul.setSwitches(s);
    measure("kind filter 38", [&] { modul.setKindSelection(QStringLiteral("38=Serviceprodukte")); });
    EXPECT_EQ(modul.recordCount(), 2000);
    modul.setKindSelection(KindTable::kAll);
    for (auto order : {ArticleSortOrder::ByText, ArticleSortOrder::ByStars, ArticleSortOrder::ByPrice,
                       ArticleSortOrder::ByNumber})
        measure(qPrintable(QStringLiteral("sort by ") + ArticleSortOrder::choiceName(order)),
                [&] { modul.setSortOrder(order); });
    // The same ordered query run directly, without turning rows into records, for comparison.
    measure("  same SQL directly (by text)", [&] {
        ArticleQuery query = modul.query();
        query.order = ArticleSortOrder::ByText;
        Statement st = db.prepare(query.sql());
        st.bindAll(query.params());
        int rows = 0;
        while (st.next())
            ++rows;
        EXPECT_EQ(rows, 10000);
    });
    measure("incremental search A009999",
            [&] { EXPECT_TRUE(modul.incrementalSearch(QStringLiteral("A009999"))); });
    measure("full text, ignoring case",
            [&] { EXPECT_EQ(modul.fullTextSearch(QStringLiteral("schüssel 9999"), true).size(), 1u); });
    measure("full text, with case",
            [&] { EXPECT_EQ(modul.fullTextSearch(QStringLiteral("Artikel 976 "), false).size(), 10u); });
    measure("article list A000100..A0001", [&] {
        EXPECT_EQ(modul.listRows(QStringLiteral("A000100"), QStringLiteral("A0001"), false).size(), 100u);
    });
}

} // namespace

} // namespace korbelant::test
