#pragma once

#include <QString>
#include <array>

namespace korbelant {

class Database;

// "Planung eintragen": the parties agreed with customers as hosts (their date of the next party,
// N_DATUM) counted for each of the six calendar weeks after a week. The weeks run on across the
// turn of the year, so the weeks after a week late in December are January's first weeks.
class WeekPlanning
{
public:
    static constexpr int kWeeks = 6;
    using Counts = std::array<int, kWeeks>;

    // KundenPlanung for the week key: counts[k - 1] for the k-th week after it. All zero for a key
    // that names no week.
    static Counts KundenPlanung(Database& db, const QString& weekKey);
};

} // namespace korbelant
