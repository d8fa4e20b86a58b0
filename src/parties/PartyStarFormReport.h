#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The form "Zusätzliche Sterne" of a party for the distributor: the consultant and the host,
// the party's figures, a box for each party booked at it (in pairs, blank boxes filling up) and
// at the foot of each page one of the guests nominated at the party. The unknown customer's
// boxes stay blank for writing in by hand.
class PartyStarFormReport
{
public:
    static const QString Name; // "zusatzsterne"

    // R_NR
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
