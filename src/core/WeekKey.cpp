#include "core/WeekKey.h"

namespace korbelant {

bool WeekKey::hasWeek53(int year)
{
    // The year starts on Sunday..Thursday and ends on Thursday..Saturday.
    const int firstDay = QDate(year, 1, 1).dayOfWeek();
    const int lastDay = QDate(year, 12, 31).dayOfWeek();
    const bool startsEarly = firstDay == 7 || firstDay <= 4;
    return startsEarly && lastDay >= 4 && lastDay <= 6;
}

int WeekKey::weekNumber(const QDate& date)
{
    if (!date.isValid())
        return 0;
    const QDate januaryFirst(date.year(), 1, 1);
    const int isoDay = date.dayOfWeek();
    int n = static_cast<int>(januaryFirst.daysTo(date)) + 7 - isoDay;
    if (januaryFirst.dayOfWeek() <= 4)
        n += 7;
    int week = n / 7;
    if (week == 0)
        week = hasWeek53(date.year() - 1) ? 53 : 52;
    else if (week == 53 && !hasWeek53(date.year()))
        week = 1;
    return week;
}

QString WeekKey::weekKey(const QDate& date)
{
    if (!date.isValid())
        return {};
    const int week = weekNumber(date);
    int year = date.year();
    if (week >= 52 && date.month() == 1)
        year -= 1;
    else if (week == 1 && date.month() == 12)
        year += 1;
    return QStringLiteral("%1%2").arg(year, 4, 10, QLatin1Char('0')).arg(week, 2, 10, QLatin1Char('0'));
}

QString WeekKey::dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString WeekKey::displayWeek(const QString& key)
{
    if (key.size() < 5)
        return key;
    QString shown = key.left(4) + QLatin1Char('/') + key.mid(4, 2);
    if (key.size() >= 7)
        shown += QLatin1Char('/') + key.mid(6);
    return shown;
}

QString WeekKey::nextPartWeekMark(const QString& lastMark)
{
    const QChar c = lastMark.isEmpty() ? QLatin1Char('0') : lastMark.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('8'))
        return QString(QChar(c.unicode() + 1));
    if (c == QLatin1Char('9'))
        return QStringLiteral("A");
    return QString(QChar(c.unicode() + 1));
}

QDate WeekKey::mondayOf(const QString& key)
{
    bool yearOk = false;
    bool weekOk = false;
    const int year = key.left(4).toInt(&yearOk);
    const int week = key.mid(4, 2).toInt(&weekOk);
    if (key.size() != 6 || !yearOk || !weekOk || week < 1 || week > 53)
        return {};
    const QDate fourthOfJanuary(year, 1, 4); // always in week 1
    return fourthOfJanuary.addDays(1 - fourthOfJanuary.dayOfWeek()).addDays(7 * (week - 1));
}

QString WeekKey::addWeeks(const QString& key, int weeks)
{
    const QDate monday = mondayOf(key);
    return monday.isValid() ? weekKey(monday.addDays(7 * weeks)) : QString();
}

} // namespace korbelant
