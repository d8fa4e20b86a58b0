#pragma once

#include <QString>
#include <vector>

namespace korbelant {

class Database;

// The star plan of the host rewards (SternePlan): bands of party turnover with the stars they
// earn, and in its first record the single values for appointments and the turnover interval.
class StarPlanTable
{
public:
    struct Band
    {
        double from = 0; // SterneBetragMin
        double to = 0;   // SterneBetragMax
        int stars = 0;   // Sterne
    };

    // The single values as the options window shows them (empty when the table has no record).
    struct Singles
    {
        QString oneAppointment;  // Verabredung1 -> option OneVerabred
        QString twoAppointments; // Verabredung2 -> option TwoVerabred
        QString intervalAmount;  // SchrittBetrag -> option SInt
        QString intervalStars;   // SchrittSterne -> option SIntS
    };

    explicit StarPlanTable(Database& db) : m_db(db) {}

    std::vector<Band> bands();
    // Replaces the bands in order; the single values in the first record stay.
    void saveBands(const std::vector<Band>& bands);
    Singles singles();
    // Writes the single values into the first record; an entry that is not a number is stored
    // as empty. Without any record nothing is written. Returns false when the table refused.
    bool writeSingles(const Singles& singles);

private:
    std::vector<qint64> rowIds();

    Database& m_db;
};

} // namespace korbelant
