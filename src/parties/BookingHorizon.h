#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

class Database;
class Options;

// The booking horizon of a party: the Sunday that ends the party's week (the next Sunday for a
// Sunday party) plus the weeks of the option "Weeks". Appointments booked at the party up to that
// day count as the party's own ("Verabred_2").
class BookingHorizon
{
public:
    // nullopt when the option is not a number or the date is invalid.
    static std::optional<QDate> day(const QDate& partyDate, const Options& options);
    // The participants of the party with an appointment on or before the horizon day.
    static int appointments(Database& db, const QString& rNr, const QDate& partyDate, const Options& options);
};

} // namespace korbelant
