#include "parties/BookingHorizon.h"

#include "core/Database.h"
#include "core/Options.h"

namespace korbelant {

std::optional<QDate> BookingHorizon::day(const QDate& partyDate, const Options& options)
{
    bool ok = false;
    const int weeks = options.text(QStringLiteral("Weeks")).trimmed().toInt(&ok);
    if (!ok || !partyDate.isValid())
        return std::nullopt;
    const int weekday = partyDate.dayOfWeek() % 7 + 1; // Sunday = 1 … Saturday = 7
    return partyDate.addDays(8 - weekday + 7 * weeks);
}

int BookingHorizon::appointments(Database& db, const QString& rNr, const QDate& partyDate,
                                 const Options& options)
{
    const auto horizon = day(partyDate, options);
    if (!horizon)
        return 0;
    return db
        .scalar(QStringLiteral(
                    "SELECT COUNT(*) FROM Tupper WHERE R_NR = ? AND Verabredung = 1 AND Verabred_DATUM <= ?"),
                {rNr, horizon->toString(Qt::ISODate)})
        .toInt();
}

} // namespace korbelant
