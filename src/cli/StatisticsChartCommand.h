#pragma once

#include "statistics/CustomerStatistic.h"

#include <QString>
#include <vector>

namespace korbelant {

class CliContext;

// stats chart: the chart of the customer statistics drawn offscreen and saved as a picture,
// PNG or, for a name ending in .bmp, a bitmap.
class StatisticsChartCommand
{
public:
    // page counts from 1; a page past the last shows the last.
    static int save(CliContext& c, const std::vector<CustomerStatistic>& rows, int page, const QString& file);
};

} // namespace korbelant
