#include "reports/ReportGroup.h"

namespace korbelant {

double ReportGroup::sum(int column) const
{
    double total = 0;
    for (const ReportRow& row : rows) {
        if (column < row.values.size())
            total += row.values.at(column).toDouble();
    }
    return total;
}

} // namespace korbelant
