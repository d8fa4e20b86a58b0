#pragma once

#include "customers/CustomerSort.h"
#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// "VorPlaADListe": the address list of the planning window, one line per customer shown there
// (all of them, or only the marked ones) in its sort order, with her plan mark.
class PlanAddressListReport
{
public:
    static const QString Name; // "vorplanung"
    static inline const QString kMarkedOnly = QStringLiteral("--nur-markierte");
    static inline const QString kSortOption = QStringLiteral("--sortierung");

    // The arguments that ask for the list as the window shows it.
    static QStringList arguments(bool markedOnly, CustomerSort::Order order);
    // [--nur-markierte] [--sortierung N], N the place of the sort order in the window's choice
    // (1 "Name + Vorname").
    static ReportDocument build(DataSet& set, const QStringList& args);

    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
