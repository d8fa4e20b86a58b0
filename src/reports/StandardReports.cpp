#include "reports/StandardReports.h"

#include "articles/ArticleListReport.h"
#include "customers/CustomerHistoryReport.h"
#include "customers/CustomerListReport.h"
#include "expenses/ExpenseListReport.h"
#include "expenses/TravelReport.h"
#include "parties/BackOrderListReport.h"
#include "parties/DeliveryListReport.h"
#include "parties/GuestListReport.h"
#include "parties/PartyStarFormReport.h"
#include "parties/TupperBoerseReport.h"
#include "planning/PlanAddressListReport.h"
#include "reports/ReportRegistry.h"
#include "statistics/StatisticsReports.h"
#include "week/ExchangeListReport.h"
#include "week/OrderListReport.h"
#include "week/PrintedMatterOrderReport.h"
#include "week/StarListReport.h"
#include "week/SuccessOverviewReport.h"
#include "week/WeekOverviewReport.h"

namespace korbelant {

void StandardReports::registerAll(ReportRegistry& registry)
{
    WeekOverviewReport::registerIn(registry);
    ArticleListReport::registerIn(registry);
    CustomerListReport::registerIn(registry);
    CustomerHistoryReport::registerIn(registry);
    SuccessOverviewReport::registerIn(registry);
    OrderListReport::registerIn(registry);
    ExchangeListReport::registerIn(registry);
    PrintedMatterOrderReport::registerIn(registry);
    DeliveryListReport::registerIn(registry);
    TupperBoerseReport::registerIn(registry);
    GuestListReport::registerIn(registry);
    PartyStarFormReport::registerIn(registry);
    StarListReport::registerIn(registry);
    StatisticsReports::registerIn(registry);
    TravelReport::registerIn(registry);
    ExpenseListReport::registerIn(registry);
    BackOrderListReport::registerIn(registry);
    PlanAddressListReport::registerIn(registry);
}

} // namespace korbelant
