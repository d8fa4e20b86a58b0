#pragma once

#include "reports/ReportDocument.h"
#include "week/WeekRange.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class Database;
class ReportRegistry;

// Report 3 of the week closing, the exchange list: the exchanged articles of the week's
// part-weeks with the reason and the guest, check boxes for the distributor, and in the page
// footer the exchange conditions with the text of Texte/Umtausch.rtf in the data home.
class ExchangeListReport
{
public:
    static const QString Name; // "umtausch"
    static inline const QString kNothing = QStringLiteral("In dieser Woche gibt es keine Umtauchartikel");
    static inline const QString kTextFile = QStringLiteral("Texte/Umtausch.rtf");

    // Arguments MWOCHE [--von T --bis T].
    static ReportDocument build(DataSet& set, const QStringList& args);
    // No exchange line in the range, or a single one without article text: the list is not made.
    static bool isEmpty(Database& db, const WeekRange& range);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
