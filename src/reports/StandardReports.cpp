#include "reports/StandardReports.h"

#include "articles/ArticleListReport.h"
#include "reports/ReportRegistry.h"
#include "week/PrintedMatterOrderReport.h"
#include "week/WeekOverviewReport.h"

namespace korbelant {

void StandardReports::registerAll(ReportRegistry& registry)
{
    WeekOverviewReport::registerIn(registry);
    ArticleListReport::registerIn(registry);
    PrintedMatterOrderReport::registerIn(registry);
}

} // namespace korbelant
