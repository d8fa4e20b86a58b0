#pragma once

#include "expenses/TravelAccount.h"
#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;
struct ConsultantAddress;

// The printed travel account: the consultant's address with phone and fax, the date range, one
// line per trip or allowance and "Summe :" over kilometres and amounts.
class TravelReport
{
public:
    static const QString Name; // "reiseabrechnung"

    static ReportDocument document(const std::vector<TravelEntry>& entries, const TravelAccount::Range& range,
                                   const ConsultantAddress& consultant);
    // Arguments VON BIS, dates TT.MM.JJJJ.
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
