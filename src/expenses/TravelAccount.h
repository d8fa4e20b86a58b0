#pragma once

#include "expenses/TravelEntry.h"

#include <QDate>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
class UiPort;

// "Reiseabrechnung": every trip to a party, to its preparation and to its deliveries, the trips
// entered in the week records and their meal allowances, collected in the work table Reise and
// listed for a range of dates by date and order of collection.
class TravelAccount
{
public:
    static inline const QString kFromInvalid = QStringLiteral("Von-Datum ist ungültig.");
    static inline const QString kToInvalid = QStringLiteral("Bis-Datum ist ungültig.");
    static inline const QString kReversed = QStringLiteral("Von-Datum gößer als Bis-Datum");
    static inline const QString kYears =
        QStringLiteral("Von-Datum und Bis-Datum sind nicht im gleichen Jahr !");

    struct Range
    {
        QDate from;
        QDate to;
    };

    explicit TravelAccount(Database& db) : m_db(db) {}

    // The dates of the dialog, checked as "Ok" checks them: a message and nullopt for an invalid
    // or reversed pair; dates of two years are asked about and nullopt when the user cancels.
    static std::optional<Range> checkedRange(const QString& from, const QString& to, UiPort& ui);
    // Collects every entry in Reise (emptied first) and returns those of the range; Reise is
    // emptied again afterwards.
    std::vector<TravelEntry> entries(const Range& range);
    // The rate per kilometre: KM_DM of the first rate; 0 without rates.
    double kilometreRate() const;

private:
    void collectPartyTrips(const Range& range, double rate);
    void collectWeekTrips(const Range& range, double rate);
    void add(const QDate& date, const QString& text, int km, double amount);
    std::vector<TravelEntry> restricted(const Range& range);

    Database& m_db;
};

} // namespace korbelant
