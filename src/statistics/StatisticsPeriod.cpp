#include "statistics/StatisticsPeriod.h"

#include "articles/ArticleSalesQuery.h"
#include "core/SqlCondition.h"

namespace korbelant {

StatisticsPeriod StatisticsPeriod::fromFields(const QString& fromYear, const QString& fromWeek,
                                              const QString& toYear, const QString& toWeek)
{
    return {ArticleSalesQuery::weekKey(fromYear, fromWeek), ArticleSalesQuery::weekKey(toYear, toWeek, true)};
}

StatisticsPeriod StatisticsPeriod::wholeYear(int year)
{
    const QString y = QString::number(year);
    return {y + QStringLiteral("01"), y + QStringLiteral("53")};
}

void StatisticsPeriod::addTo(SqlCondition& where, const QString& column) const
{
    if (!from.trimmed().isEmpty())
        where.add(column + QStringLiteral(" >= ?"), {from.trimmed()});
    if (!to.trimmed().isEmpty())
        where.add(column + QStringLiteral(" <= ?"), {to.trimmed()});
}

} // namespace korbelant
