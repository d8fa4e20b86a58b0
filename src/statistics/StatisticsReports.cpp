#include "statistics/StatisticsReports.h"

#include "articles/ArticleReportData.h"
#include "articles/ArticleSalesReport.h"
#include "core/DataSet.h"
#include "reports/ReportRegistry.h"
#include "statistics/BestSellerReport.h"
#include "statistics/CustomerStatisticsReport.h"
#include "statistics/StatisticsArguments.h"
#include "statistics/TStatistikDataModul.h"
#include "statistics/UnpaidOrdersReport.h"
#include "week/WeekOverviewReport.h"

namespace korbelant {

ReportDocument StatisticsReports::articleSales(const std::vector<ArticleSalesQuery::Sale>& sales,
                                               const ArticleSalesQuery::Conditions& c)
{
    ReportDocument doc = ArticleSalesReport::document(sales, QStringLiteral("Artikel-Verkäufe"), false);
    doc.subtitle = ArticleReportData::salesTitle(c.article, StatisticsArguments::kindShown(c.kind),
                                                 c.fromWeek, c.toWeek);
    return doc;
}

ReportDocument StatisticsReports::weeks(DataSet& set, const QStringList& args)
{
    const StatisticsPeriod period = StatisticsArguments::period(args);
    ReportDocument doc = WeekOverviewReport::document(TStatistikDataModul(set.db()).WochenQuery(period));
    doc.pageHeader = WeekOverviewReport::pageHeader(set);
    return doc;
}

ReportDocument StatisticsReports::articles(DataSet& set, const QStringList& args)
{
    const StatisticsArguments::Articles request = StatisticsArguments::articles(args, false);
    return articleSales(TStatistikDataModul(set.db()).ArtikelQuery(request.conditions), request.conditions);
}

void StatisticsReports::registerIn(ReportRegistry& registry)
{
    CustomerStatisticsReport::registerIn(registry);
    UnpaidOrdersReport::registerIn(registry);
    registry.add({kWeeks, QStringLiteral("VON BIS"),
                  QStringLiteral("Wochenübersicht der Vorführungen der Wochen VON bis BIS"),
                  &StatisticsReports::weeks});
    registry.add({kArticles, QStringLiteral("[--artikel PREFIX] [--va VA] [--von W] [--bis W]"),
                  QStringLiteral("Artikel-Verkäufe der Statistik (ohne Anschriften)"),
                  &StatisticsReports::articles});
    BestSellerReport::registerIn(registry);
}

} // namespace korbelant
