#pragma once

#include <QStringList>
#include <functional>
#include <vector>

namespace korbelant {

class Database;
struct TableDef;

// Creates the tables of the data set and rebuilds existing ones in place: every missing table
// is created from its definition; an existing one gets the definition's indexes, defaults and
// widths again while every stored field and record stays, and the file is compacted.
class TableBuilder
{
public:
    using Progress = std::function<void(int step, int total)>;

    struct Outcome
    {
        QStringList created;
        QStringList rebuilt;
        QStringList skipped; // creation failed for another reason than an existing table
        int weekRecordsAdded = 0;
    };

    explicit TableBuilder(Database& db) : m_db(db) {}

    // The fourteen tables of the data set, then the week records of parties that have none.
    // A failure while rebuilding an existing table ends the operation with a DatabaseError.
    Outcome RepairTables(const Progress& progress = {});
    // The same for the work tables (Reise with its key, LagerTemp).
    Outcome PrepareWorkTables();
    // Creates missing tables of any definition list without rebuilding existing ones.
    QStringList createMissing(const std::vector<TableDef>& definitions);

private:
    Outcome build(const std::vector<TableDef>& definitions, const Progress& progress);
    void createTable(const TableDef& def);
    void rebuildTable(const TableDef& def);
    void recreateIndexes(const TableDef& def);
    int addMissingWeekRecords();

    Database& m_db;
};

} // namespace korbelant
