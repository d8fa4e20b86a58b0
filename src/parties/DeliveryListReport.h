#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The delivery lists of one party, from which the host hands the goods to her guests: the list
// per guest with a subtotal for each, one sheet per guest, and the list of the whole party with
// every article once per kind and delivery state. With the option Auslief they carry a second
// amount column in the other currency.
class DeliveryListReport
{
public:
    static const QString PerGuestName; // "auslieferung-gast"
    static const QString SheetsName;   // "einzelblaetter"
    static const QString HostListName; // "gastgeberliste"

    // The state of a line: "Vorablieferung", "Nachlieferung", "nicht lieferbar" or empty; a
    // delivery state overrides the advance mark.
    static QString statusText(const QString& vorab, const QString& nachlief);

    // R_NR
    static ReportDocument perGuest(DataSet& set, const QStringList& args);
    // R_NR [P_NR]: every guest with lines on a sheet of her own, or the one guest.
    static ReportDocument sheets(DataSet& set, const QStringList& args);
    // R_NR
    static ReportDocument hostList(DataSet& set, const QStringList& args);

    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
