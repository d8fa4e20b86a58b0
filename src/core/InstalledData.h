#pragma once

#include <QStringList>

namespace korbelant {

class Database;

// The tables that come with an installation (transaction kinds, star plan, exchange reasons,
// travel rates, version record, exchange file descriptions, the earlier edition's week table)
// and the list of printed matter. Their contents are built into the program.
class InstalledData
{
public:
    explicit InstalledData(Database& db) : m_db(db) {}

    // Creates each installed table that is missing and fills every empty one from the built-in
    // data (Drucksa too). Returns the tables filled. Throws DatabaseError on a broken data file.
    QStringList install();

private:
    int fill(const QString& table);

    Database& m_db;
};

} // namespace korbelant
