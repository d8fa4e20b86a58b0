#pragma once

namespace korbelant {

class Database;

// The star plan: how many stars a host earns for the star turnover of her party, plus the bonus
// for appointments booked at it.
class StarPlan
{
public:
    explicit StarPlan(Database& db);

    // Earned stars for the star turnover `amount` and `appointments` counted appointments. The
    // bands are read in table order; the first band reaching the amount gives its stars; beyond
    // the last band every full interval adds its stars; a value that is not a number ends the
    // computation with what was found so far.
    int StarsByPlan(double amount, int appointments) const;

private:
    Database& m_db;
};

} // namespace korbelant
