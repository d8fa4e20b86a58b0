#pragma once

#include "core/ResultTable.h"
#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// Report 2 of the week closing, the order list: the week's order lines summed per article and
// grouped by transaction kind, either per party (part-week) with the party's sums, or for the
// whole range at once; at the end the sums of the range.
class OrderListReport
{
public:
    static const QString Name;      // "bestellliste", per part-week
    static const QString WholeName; // "bestellliste-gesamt", the whole range at once
    static inline const QString kInactive = QStringLiteral("inaktiv");
    static inline const QString kAdvance = QStringLiteral("Vorab");
    static inline const QString kPartyFooter =
        QStringLiteral("Umsatz-, Ausgabenbetrag, Sternezahl und Sternebetrag der Vorführung");
    static inline const QString kSummary =
        QStringLiteral("Umsatz-, Ausgabenbetrag, Sternezahl und Sternebetrag");

    // Arguments MWOCHE [--von T --bis T].
    static ReportDocument build(DataSet& set, const QStringList& args, bool perPartWeek);
    // The order lines of the range summed per advance mark, order number, article and kind over
    // all part-weeks, sorted by kind and order number.
    static ResultTable wholeRange(const ResultTable& perPartWeek);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
