#include "reports/ReportSection.h"

namespace korbelant {

double ReportSection::total(int column) const
{
    double sum = 0;
    for (const ReportGroup& group : groups)
        sum += group.sum(column);
    return sum;
}

int ReportSection::rowCount() const
{
    int count = 0;
    for (const ReportGroup& group : groups)
        count += static_cast<int>(group.rows.size());
    return count;
}

} // namespace korbelant
