#include "exchange/DiskPlan.h"

#include <algorithm>

namespace korbelant {

std::vector<WeekRange> DiskPlan::disks(const WeekRange& range, const QStringList& partWeeks)
{
    std::vector<WeekRange> result;
    const qsizetype count = partWeeks.size();
    qsizetype first = 0;
    while (first < count) {
        const qsizetype last = std::min<qsizetype>(first + kPartiesPerDisk, count) - 1;
        result.push_back({range.week, partWeeks.at(first), partWeeks.at(last)});
        // Further parties of the last part-week are on this disk already.
        first = last + 1;
        while (first < count && partWeeks.at(first) == partWeeks.at(last))
            ++first;
    }
    if (result.empty())
        result.push_back(range);
    return result;
}

} // namespace korbelant
