#pragma once

#include <QStringList>

namespace korbelant {

class Database;

// Brings the tables of an older data set up to date by adding the columns of later versions.
// Runs at every start before the data modules open; a column that cannot be added is passed over.
class TableUpgrade
{
public:
    explicit TableUpgrade(Database& db) : m_db(db) {}

    // Returns the names of the columns that were added ("Tuppkopf.VF_TEXT", …). Named indexes of
    // later versions are added too.
    QStringList UpgradeTables();

private:
    QStringList addMissing(const QString& table, const QStringList& fields);
    void addMissingIndexes();
    void fillWeightedTurnover();
    void fillDistributorFlags();

    Database& m_db;
};

} // namespace korbelant
