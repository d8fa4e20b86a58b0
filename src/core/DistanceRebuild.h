#pragma once

namespace korbelant {

class Database;
class ErrorLog;

// Learns the distances of the customers' places: every (postcode, town) of a customer with a
// distance that the distance table does not know yet is added with the customer's distance.
class DistanceRebuild
{
public:
    DistanceRebuild(Database& db, const ErrorLog& log) : m_db(db), m_log(log) {}

    // Returns the number of places added. Any error ends the pass and goes to the error log
    // without a message.
    int RebuildDistances();

private:
    Database& m_db;
    const ErrorLog& m_log;
};

} // namespace korbelant
