#pragma once

#include <QStringList>

namespace korbelant {

class Database;
class DataHome;

// The weekly backup into DBSicher/: a consistent copy of the open data set and a copy of every
// text file of DB/ (the currency state among them), each overwriting the copy before.
class DatabaseBackup
{
public:
    DatabaseBackup(Database& db, const DataHome& home) : m_db(db), m_home(home) {}

    // Returns the messages of the copies that failed; one failure does not stop the others.
    QStringList BackupDatabase();

private:
    Database& m_db;
    const DataHome& m_home;
};

} // namespace korbelant
