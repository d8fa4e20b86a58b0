#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// The marked part-weeks of the week window: a first and a last part-week key, both empty when
// nothing is marked, and how a double-click on a part-week row changes them.
class WeekMarking
{
public:
    struct Range
    {
        QString start;
        QString end;

        bool isEmpty() const { return start.isEmpty() && end.isEmpty(); }
        bool contains(const QString& partWeek) const;
        bool operator==(const Range&) const = default;
    };

    // The range after a click on part-week `clicked`; `partWeeks` are the week's part-week keys in
    // their order. The first click marks one part-week, a click after the range extends it to
    // there, a click before it extends it back, a click on its first or last row shrinks it by one,
    // a click on a single marked row unmarks it.
    static Range click(const Range& range, const QStringList& partWeeks, const QString& clicked);
    // "START..END", or "-" when nothing is marked.
    static QString text(const Range& range);
};

} // namespace korbelant
