#include "articles/ArticleReportData.h"

#include "articles/ArticleFieldRules.h"

namespace korbelant {

QString ArticleReportData::activeText(bool aktiv)
{
    return aktiv ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

ArticleReportData::StockList ArticleReportData::stockList(std::vector<ArticleRecord> rows)
{
    StockList list;
    list.rows = std::move(rows);
    for (const ArticleRecord& r : list.rows)
        list.total += ArticleFieldRules::stockValue(r);
    return list;
}

ArticleReportData::SalesTotals
ArticleReportData::salesTotals(const std::vector<ArticleSalesQuery::Sale>& sales)
{
    SalesTotals totals;
    for (const auto& sale : sales) {
        totals.kosten += sale.kosten;
        totals.summe += sale.summe;
    }
    return totals;
}

QString ArticleReportData::salesTitle(const QString& article, const QString& kindSelection,
                                      const QString& fromWeek, const QString& toWeek)
{
    return QStringLiteral("Übersicht von Artikel ") + article + QStringLiteral("*  mit der VA ") +
           kindSelection + QStringLiteral("  der Wochen ") + ArticleSalesQuery::weekDisplay(fromWeek) +
           QStringLiteral(" bis ") + ArticleSalesQuery::weekDisplay(toWeek);
}

} // namespace korbelant
