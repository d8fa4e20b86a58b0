#pragma once

#include "reports/ReportRow.h"

#include <QString>
#include <vector>

namespace korbelant {

// A group of detail rows with its header line and, when footerLabel is set, a footer line with
// the sums of the summed columns over the group's rows.
struct ReportGroup
{
    QString header;
    std::vector<ReportRow> rows;
    QString footerLabel;
    bool startsNewPage = false;

    double sum(int column) const;
};

} // namespace korbelant
