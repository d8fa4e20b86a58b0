#pragma once

#include "articles/ArticleSalesQuery.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class DataSet;
class ReportRegistry;
struct ReportDocument;

// The prints of the statistics window: the customer statistics, the unpaid orders, the week
// overview and the article sales of the period, and the best-seller list.
class StatisticsReports
{
public:
    static inline const QString kWeeks = QStringLiteral("statistik-wochen");
    static inline const QString kArticles = QStringLiteral("statistik-artikel");

    // The short article sales list titled "Artikel-Verkäufe", with the article, kind and weeks
    // under the title.
    static ReportDocument articleSales(const std::vector<ArticleSalesQuery::Sale>& sales,
                                       const ArticleSalesQuery::Conditions& conditions);
    // The week overview of the period VON BIS.
    static ReportDocument weeks(DataSet& set, const QStringList& args);
    // The short article sales list for [--artikel PREFIX] [--va VA] [--von W] [--bis W].
    static ReportDocument articles(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
