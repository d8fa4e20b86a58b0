#pragma once

#include "week/WeekRange.h"

#include <QStringList>

namespace korbelant {

class Database;

// The arguments of the week reports: "MWOCHE [--von T --bis T]". Without a range the report
// covers every part-week of the week.
class WeekReportArguments
{
public:
    static QStringList make(const WeekRange& range);
    // Throws ReportError with a German message for wrong arguments or a week without record.
    static WeekRange parse(Database& db, const QStringList& args);
    // Every part-week of the week: "1" to its last part-week with parties.
    static WeekRange allPartWeeks(Database& db, const QString& week);
};

} // namespace korbelant
