#include "reports/StandardReports.h"

#include "articles/ArticleListReport.h"
#include "parties/DeliveryListReport.h"
#include "parties/GuestListReport.h"
#include "parties/PartyStarFormReport.h"
#include "parties/TupperBoerseReport.h"
#include "reports/ReportRegistry.h"
#include "week/PrintedMatterOrderReport.h"
#include "week/WeekOverviewReport.h"

namespace korbelant {

void StandardReports::registerAll(ReportRegistry& registry)
{
    WeekOverviewReport::registerIn(registry);
    ArticleListReport::registerIn(registry);
    PrintedMatterOrderReport::registerIn(registry);
    DeliveryListReport::registerIn(registry);
    TupperBoerseReport::registerIn(registry);
    GuestListReport::registerIn(registry);
    PartyStarFormReport::registerIn(registry);
}

} // namespace korbelant
