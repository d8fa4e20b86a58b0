#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// Report 4 of the week closing, "Drucksachenbestellung": the consultant and her week, the planned
// parties and the week's figures, then the quantity of every printed-matter item ordered.
class PrintedMatterOrderReport
{
public:
    static const QString Name; // "drucksachen"

    // Arguments MWOCHE [--von T --bis T].
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
