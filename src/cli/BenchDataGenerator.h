#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <random>

namespace korbelant {

class Database;
class Options;

// Builds a synthetic data set, the same one for the same size, seed and last day: customers with
// German names and places, a household-goods catalogue, and parties with participants and order
// lines priced by the order-line rules. The header totals are then computed as the party module
// does. The parties span twenty years up to the last day, which holds the last party; those more
// than two weeks before it count as transferred to the distributor.
//   small: one consultant's 20 years, about 2,000 parties and 80,000 order lines
//   large: 20,000 customers, 10,000 articles, 20,000 parties, 200,000 participants, 1,000,000 lines
class BenchDataGenerator
{
public:
    struct Size
    {
        int customers;
        int articles;
        int parties;
        int guestsPerParty; // participants besides the host
        int linesPerParticipant;
    };
    static const Size kSmall;
    static const Size kLarge;

    BenchDataGenerator(Database& db, Options& options, std::uint64_t seed, const QDate& lastDay);
    void generate(const Size& size);

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    void fill(const Size& size);
    void customers(int count);
    void articles(int count);
    void parties(const Size& size);

    Database& m_db;
    Options& m_options;
    std::mt19937_64 m_random;
    QDate m_lastDay;
    int m_customerCount = 0;
};

} // namespace korbelant
