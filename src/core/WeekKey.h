#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

// The business week of the program: the week key MWoche (ISO 8601 week-numbering year and week,
// "200305"), the part-week mark TWoche beside it, and the date texts that go with them.
class WeekKey
{
public:
    // Six-character week key of a date; empty for an invalid date.
    static QString weekKey(const QDate& date);
    // ISO week number 1..53 of a date; 0 when it cannot be computed.
    static int weekNumber(const QDate& date);
    static int calendarYear(const QDate& date) { return date.year(); }
    static int calendarMonth(const QDate& date) { return date.month(); }
    // "dd.mm.yyyy"; empty for an invalid date.
    static QString dateText(const QDate& date);
    // "200305" -> "2003/05"; "2003051" -> "2003/05/1". Shorter texts are returned unchanged.
    static QString displayWeek(const QString& key);
    // The part-week mark that follows the given one ("" or "0" -> "1", "9" -> "A", "A" -> "B").
    static QString nextPartWeekMark(const QString& lastMark);
    // The Monday of the week a key names; invalid for a key that names no week.
    static QDate mondayOf(const QString& key);
    // The key of the calendar week `weeks` weeks after (or before) the week of `key`, across the
    // turn of the year; empty for a key that names no week.
    static QString addWeeks(const QString& key, int weeks);

private:
    static bool hasWeek53(int year);
};

} // namespace korbelant
