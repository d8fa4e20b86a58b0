#include "week/WeekMarking.h"

namespace korbelant {

namespace {

// An empty end counts as lower than every key.
bool before(const QString& key, const QString& other)
{
    return key.compare(other, Qt::CaseInsensitive) < 0;
}

bool same(const QString& key, const QString& other)
{
    return key.compare(other, Qt::CaseInsensitive) == 0;
}

} // namespace

bool WeekMarking::Range::contains(const QString& partWeek) const
{
    return !isEmpty() && !before(partWeek, start) && !before(end, partWeek);
}

WeekMarking::Range WeekMarking::click(const Range& range, const QStringList& partWeeks,
                                      const QString& clicked)
{
    if (same(range.start, range.end) && same(clicked, range.end))
        return {};
    const qsizetype row = partWeeks.indexOf(clicked);
    Range r = range;
    if (!r.start.isEmpty() && before(clicked, r.start)) {
        r.start = clicked;
    } else if (same(r.start, clicked)) {
        if (row + 1 < partWeeks.size())
            r.start = partWeeks.at(row + 1);
        else
            r = {};
    }
    if (before(r.end, clicked)) {
        r.end = clicked;
    } else if (same(r.end, clicked)) {
        if (row > 0)
            r.end = partWeeks.at(row - 1);
        else
            r = {};
    }
    if (r.start.isEmpty())
        r.start = r.end;
    return r;
}

QString WeekMarking::text(const Range& range)
{
    return range.isEmpty() ? QStringLiteral("-") : range.start + QStringLiteral("..") + range.end;
}

} // namespace korbelant
