#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// Report 5 of the week closing, the weekly star list: every party of the week's part-weeks with
// its host and figures, and under it the guests nominated there and the parties booked there.
class StarListReport
{
public:
    static const QString Name; // "sterneliste"
    static inline const QString kNominations = QStringLiteral("Benennungen:");
    static inline const QString kNominationsNote =
        QStringLiteral("Die folgenden Damen möchten unverbindlich über die Tätigkeit einer "
                       "Tupperwaren-Beraterin informiert werden.");
    static inline const QString kBookings = QStringLiteral("Folgende Vorführungen wurden gebucht :");

    // Arguments MWOCHE [--von T --bis T].
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
