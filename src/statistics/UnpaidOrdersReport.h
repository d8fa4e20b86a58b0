#pragma once

#include "reports/ReportDocument.h"
#include "statistics/UnpaidOrder.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The orders marked as not paid, grouped by party.
class UnpaidOrdersReport
{
public:
    static const QString Name; // "statistik-bezahlt"

    static ReportDocument document(const std::vector<UnpaidOrder>& orders);
    // Arguments VON BIS.
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
