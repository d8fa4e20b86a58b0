#include "core/RowCounts.h"

#include "core/SqlName.h"
#include "core/Statement.h"

namespace korbelant {

RowCounts::Counts RowCounts::of(sqlite3* db)
{
    QStringList tables;
    {
        Statement names(db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT "
                                           "LIKE 'sqlite\\_%' ESCAPE '\\'"));
        while (names.next())
            tables << names.text(0);
    }
    Counts counts;
    for (const QString& table : tables) {
        Statement count(db, QStringLiteral("SELECT count(*) FROM %1").arg(SqlName::quote(table)));
        counts.insert(table, count.next() ? count.value(0).toLongLong() : 0);
    }
    return counts;
}

QString RowCounts::difference(const Counts& expected, const Counts& found)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!found.contains(it.key()))
            return QStringLiteral("Die Tabelle %1 fehlt.").arg(it.key());
        if (found.value(it.key()) != it.value())
            return QStringLiteral("Die Tabelle %1 hat %2 statt %3 Datensätze.")
                .arg(it.key())
                .arg(found.value(it.key()))
                .arg(it.value());
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (!expected.contains(it.key()))
            return QStringLiteral("Die Tabelle %1 gehört nicht zum Datenbestand.").arg(it.key());
    }
    return {};
}

} // namespace korbelant
