#include "euro/EuroTableStep.h"

#include "euro/EuroAmount.h"

namespace korbelant {

QString EuroTableStep::updateSql(bool allData) const
{
    QStringList assignments;
    for (const QString& field : fields)
        assignments
            << QStringLiteral("\"%1\" = %2(\"%1\", %3)").arg(field, EuroAmount::kSqlFunction).arg(decimals);
    QString sql = QStringLiteral("UPDATE \"%1\" SET %2").arg(table, assignments.join(QStringLiteral(", ")));
    // A record without a date, or whose party has none, counts as within the date.
    if (!bindsDate(allData))
        return sql;
    if (rule == DateRule::OwnDate)
        return sql + QStringLiteral(" WHERE \"%1\" IS NULL OR \"%1\" COLLATE BINARY <= ?").arg(dateField);
    return sql + QStringLiteral(" WHERE R_NR IS NULL OR R_NR NOT IN (SELECT R_NR FROM Tuppkopf WHERE "
                                "R_NR IS NOT NULL AND DATUM COLLATE BINARY > ?)");
}

} // namespace korbelant
