#include "week/WeekOverview.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/WeekKey.h"

namespace korbelant {

QString WeekOverview::startKey(const QDate& today)
{
    const int week = WeekKey::weekNumber(today);
    if (week == 53)
        return QString::number(today.year()) + QStringLiteral("00");
    return QString::number(today.year() - 1) + QStringLiteral("%1").arg(week, 2, 10, QLatin1Char('0'));
}

int WeekOverview::axisPosition(const QString& weekKey, const QString& currentWeekKey)
{
    const QDate week = WeekKey::mondayOf(weekKey);
    const QDate current = WeekKey::mondayOf(currentWeekKey);
    if (!week.isValid() || !current.isValid())
        return kNoPosition;
    return kCurrentPosition + static_cast<int>(current.daysTo(week) / 7);
}

std::vector<WeekOverview::Bar> WeekOverview::read(const QString& startKey, const QString& currentWeekKey)
{
    const auto rows =
        m_db.rows(QStringLiteral("SELECT MWoche, SUM(S_UMSATZ) AS SS_UMSATZ, COUNT(*) FROM Tuppkopf "
                                 "WHERE R_NR IS NOT NULL AND R_NR <> '' AND MWoche > ? "
                                 "GROUP BY MWoche ORDER BY MWoche"),
                  {startKey});
    std::vector<Bar> bars;
    bars.reserve(rows.size());
    for (const QVariantList& row : rows) {
        const QString key = row.at(0).toString();
        bars.push_back(Bar{key, axisPosition(key, currentWeekKey), row.at(1).toDouble(), row.at(2).toInt()});
    }
    return bars;
}

std::vector<WeekOverview::Bar> WeekOverview::readUntil(const QString& startKey, const QDate& today,
                                                       const ErrorLog& log)
{
    try {
        return read(startKey, WeekKey::weekKey(today));
    } catch (const DatabaseError& e) {
        log.LogException(e.message(), true);
    }
    return {};
}

} // namespace korbelant
