#pragma once

#include <QString>

namespace korbelant {

class SqlCondition;

// The business weeks a statistic covers: week keys from..to inclusive, compared as text with the
// week key of a record. An empty bound has no limit.
struct StatisticsPeriod
{
    QString from;
    QString to;

    // The year and week fields of the statistics window ("2003", "5" .. "2003", "53").
    static StatisticsPeriod fromFields(const QString& fromYear, const QString& fromWeek,
                                       const QString& toYear, const QString& toWeek);
    // Week 01 to week 53 of a year, the period the window starts with.
    static StatisticsPeriod wholeYear(int year);

    // The bounds as conditions on the given column, as bound values.
    void addTo(SqlCondition& where, const QString& column) const;
};

} // namespace korbelant
