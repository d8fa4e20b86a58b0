#pragma once

#include "articles/ArticleRecord.h"
#include "articles/ArticleSalesQuery.h"

#include <QString>
#include <vector>

namespace korbelant {

// The contents of the printed article lists: the article list, the stock list with its sum,
// and the article sales list with its title and totals.
class ArticleReportData
{
public:
    struct StockList
    {
        std::vector<ArticleRecord> rows;
        double total = 0; // "Summe:" over the stock values of the printed articles
    };

    struct SalesTotals
    {
        double kosten = 0;
        double summe = 0;
    };

    // "Ja" / "Nein" of the column "Aktiv".
    static QString activeText(bool aktiv);
    static StockList stockList(std::vector<ArticleRecord> rows);
    static SalesTotals salesTotals(const std::vector<ArticleSalesQuery::Sale>& sales);
    // "Übersicht von Artikel A1*  mit der VA Alle  der Wochen 2003/01 bis 2003/20".
    static QString salesTitle(const QString& article, const QString& kindSelection, const QString& fromWeek,
                              const QString& toWeek);
};

} // namespace korbelant
