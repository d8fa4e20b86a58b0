#pragma once

#include "week/WeekRange.h"

#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <vector>

namespace korbelant {

class Database;
class Options;

// The party view of the week closing: the party headers of a week within a part-week range, in
// the order of the week index, each with the host's name, her postcode and town and the
// appointments within the booking horizon.
class WeekPartyView
{
public:
    struct Row
    {
        QVariantMap header;  // every field of the party header, in program form
        QString hostName;    // name + ", " + first name
        QString PlzOrt;      // postcode + " " + town
        QVariant Verabred_2; // null when no appointment falls within the horizon
    };

    static std::vector<Row> rows(Database& db, const Options& options, const WeekRange& range);
    // The part-week of every party of the view, in the view's order.
    static QStringList partWeeks(Database& db, const WeekRange& range);
    // The position of the party that opens the part-week in the view, 1-based; 0 when none does.
    static int position(const QStringList& partWeeks, const QString& partWeek);
};

} // namespace korbelant
