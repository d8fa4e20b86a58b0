#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class ReportRegistry;

// Report 1 of the week closing, "Erfolgsübersicht": every party of the week's part-weeks with its
// host and figures, the sums, the special offers ordered, the nominated guests and the week's
// summary with the planned parties, the start party, the remark and the pickup appointment.
class SuccessOverviewReport
{
public:
    static const QString Name; // "erfolg"
    static inline const QString kOffersHeading = QStringLiteral("Sonderangebote:");
    static inline const QString kNominationsHeading = QStringLiteral("Meine Benennungen :");

    // Arguments MWOCHE [--von T --bis T].
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
