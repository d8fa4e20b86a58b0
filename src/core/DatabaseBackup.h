#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

class Database;
class DataHome;

// The weekly backup into DBSicher/ (or another backup directory): a consistent copy of the open
// data set and a copy of every text file of DB/ (the currency state among them), each overwriting
// the copy before.
class DatabaseBackup
{
public:
    DatabaseBackup(Database& db, const DataHome& home);
    DatabaseBackup(Database& db, const DataHome& home, QString targetDir);

    // Returns the messages of the copies that failed; one failure does not stop the others.
    QStringList BackupDatabase();

private:
    Database& m_db;
    const DataHome& m_home;
    QString m_target;
};

} // namespace korbelant
