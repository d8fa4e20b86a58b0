#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

// The depreciation of one purchase for a chosen year: the remaining term, the remaining value
// after that year and the year's depreciation. A purchase of the second half of a year (July or
// later) with a term of more than one year is written off by half in its purchase year and by
// half in the year after its last full one; the amounts over all years add up to the price.
struct Depreciation
{
    std::optional<double> RestLaufzeit;  // remaining term in years; -4 for a purchase after the year
    QString RestLStr;                    // remaining term after the year, as text ("3", "3,5")
    std::optional<double> RestBetrag;    // remaining value after the year
    std::optional<double> AbschreibCalc; // depreciation for the year

    // year: the year typed in the window; nullopt when it is no year (nothing is computed).
    static Depreciation compute(const QDate& bought, double price, int term, std::optional<int> year);
    // Whether the expense list prints the purchase: neither bought later nor written off already.
    bool listed(int term) const;
};

} // namespace korbelant
