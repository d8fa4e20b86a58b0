#pragma once

#include "reports/ReportDocument.h"
#include "statistics/CustomerStatistic.h"
#include "statistics/CustomerStatisticSort.h"
#include "statistics/StatisticsPeriod.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The printed customer statistics: one line per customer with her figures as host and as buyer,
// "Endsumme :" over the turnover columns.
class CustomerStatisticsReport
{
public:
    static const QString Name; // "statistik-kunden"

    // "Statistik-Liste sortiert nach Umsatz, von 2003/01 bis 2003/53".
    static QString heading(CustomerStatisticSort::Key sort, const StatisticsPeriod& period);
    static ReportDocument document(const std::vector<CustomerStatistic>& rows,
                                   CustomerStatisticSort::Key sort, const StatisticsPeriod& period);
    // Arguments VON BIS [--sort …] [--min N].
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
