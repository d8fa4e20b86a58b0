#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The guest lists of a party: the consultant's list with addresses, next party, sales and
// payment state ("KLV-Gästeliste"), and the landscape form "Gästeliste" for the party, whose
// rows of the unknown customer stay blank to be filled in by hand.
class GuestListReport
{
public:
    static const QString PaidName; // "gaeste-bezahlt"
    static const QString FormName; // "gaesteliste"

    // R_NR
    static ReportDocument paid(DataSet& set, const QStringList& args);
    static ReportDocument form(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
