#include "week/WeekPlanning.h"

#include "core/Database.h"
#include "core/WeekKey.h"

#include <QStringList>

namespace korbelant {

WeekPlanning::Counts WeekPlanning::KundenPlanung(Database& db, const QString& weekKey)
{
    Counts counts{};
    const QDate monday = WeekKey::mondayOf(weekKey);
    if (!monday.isValid())
        return counts;
    const QDate first = monday.addDays(7);
    const QDate afterLast = monday.addDays(7 * (kWeeks + 1));
    const auto rows = db.rows(QStringLiteral("SELECT N_DATUM, COUNT(K_NR) AS VF FROM Kunden "
                                             "WHERE N_DATUM >= ? AND N_DATUM < ? GROUP BY N_DATUM"),
                              {first.toString(Qt::ISODate), afterLast.toString(Qt::ISODate)});
    QStringList keys;
    for (int k = 1; k <= kWeeks; ++k)
        keys << WeekKey::addWeeks(weekKey, k);
    for (const QVariantList& row : rows) {
        const QString key = WeekKey::weekKey(QDate::fromString(row.at(0).toString(), Qt::ISODate));
        const qsizetype week = keys.indexOf(key);
        if (week >= 0)
            counts[static_cast<size_t>(week)] += row.at(1).toInt();
    }
    return counts;
}

} // namespace korbelant
