#pragma once

namespace korbelant {

class Database;

// Removes order records that lost their key values: order lines and participants without party
// number, participant number, week or part-week, and parties without a party number.
class IncompleteRecords
{
public:
    struct Removed
    {
        int lines = 0;
        int participants = 0;
        int parties = 0;
    };

    explicit IncompleteRecords(Database& db) : m_db(db) {}

    // Every incomplete record goes; all three passes run in one transaction.
    Removed RemoveIncompleteRecords();

private:
    Database& m_db;
};

} // namespace korbelant
