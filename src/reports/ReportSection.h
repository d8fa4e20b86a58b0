#pragma once

#include "reports/ReportColumn.h"
#include "reports/ReportGroup.h"
#include "reports/ReportTextBlock.h"

#include <QString>
#include <vector>

namespace korbelant {

// One part of a report, printed in this order: an optional heading, text blocks side by side,
// then a table (column heads repeated on every page it runs over) made of groups, and at the
// end the summary line with the sums of the summed columns over all groups and, when
// countColumn is set, the number of detail rows followed by countSuffix in that column.
// A section with its own page header starts on a new page and repeats the header on every
// page it runs over (e.g. the address of the one guest a sheet is for).
struct ReportSection
{
    std::vector<ReportTextBlock> pageHeader;
    QString heading;
    std::vector<ReportTextBlock> blocks;
    std::vector<ReportColumn> columns;
    std::vector<ReportGroup> groups;
    QString summaryLabel; // empty: no summary line
    int countColumn = -1;
    QString countSuffix;
    bool shadeAlternateRows = false;
    bool startsNewPage = false;

    bool hasTable() const { return !columns.empty(); }
    double total(int column) const;
    int rowCount() const;
};

} // namespace korbelant
