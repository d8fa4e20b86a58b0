#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The two lists of the back-order work, per party and guest: the open back-orders (lines in
// state "J") and the pack list of the goods delivered afterwards (state "B"), whose printing is
// followed by the question whether their state is reset.
class BackOrderListReport
{
public:
    static const QString OpenName;     // "nachlieferungen"
    static const QString PackListName; // "packliste"

    static ReportDocument openList(DataSet& set, const QStringList& args);
    static ReportDocument packList(DataSet& set, const QStringList& args);

    static void registerIn(ReportRegistry& registry);

private:
    static ReportDocument build(DataSet& set, const QStringList& args, const QString& title,
                                const QString& state, const QString& stateText);
};

} // namespace korbelant
