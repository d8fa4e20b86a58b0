#pragma once

#include "reports/ReportFrame.h"
#include "reports/ReportSection.h"

#include <QStringList>
#include <vector>

namespace korbelant {

// A report built from the data, before it is laid out onto pages: its title, the paper
// orientation, the page frame, text blocks repeated under the frame of every page (e.g. the
// consultant's address), the sections in print order, the footer lines of every page and the
// foot of each page: pageFooters[n - 1] stands above the footer lines of page n, the room of the
// tallest kept free on every page; pages without one leave it blank.
struct ReportDocument
{
    enum class Orientation
    {
        Portrait,
        Landscape
    };

    QString title;
    QString subtitle; // a longer description, centred under the title
    Orientation orientation = Orientation::Portrait;
    ReportFrame frame;
    std::vector<ReportTextBlock> pageHeader;
    std::vector<ReportSection> sections;
    QStringList footerLines;
    std::vector<ReportTextBlock> pageFooters;
    std::vector<qsizetype> boldFooterLines; // positions in footerLines of the lines printed bold
};

} // namespace korbelant
