#include "parties/PartWeek.h"

#include "core/Database.h"
#include "core/WeekKey.h"

namespace korbelant {

QString PartWeek::NextTWoche(Database& db, const QString& week)
{
    const QVariant last = db.scalar(
        QStringLiteral("SELECT TWoche FROM Tuppkopf WHERE MWoche = ? ORDER BY TWoche DESC LIMIT 1"), {week});
    return WeekKey::nextPartWeekMark(last.toString());
}

} // namespace korbelant
