#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The "Tupper-Börse" of a party: every guest with her address and amount, the party's total,
// the stars earned and entered and the delivery date. With the option Gaeste it carries a
// second amount column in the other currency.
class TupperBoerseReport
{
public:
    static const QString Name; // "tupperboerse"

    // R_NR
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
