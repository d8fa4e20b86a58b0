#pragma once

#include <QStringList>

namespace korbelant {

class Database;
class DataHome;

// The copy of the data set in D-Mark in DMDB/, made before the conversion changes anything: a
// consistent copy of the database file and every text file of DB/.
class EuroBackup
{
public:
    EuroBackup(Database& db, const DataHome& home) : m_db(db), m_home(home) {}

    // DMDB/ in the data home.
    static QString directory(const DataHome& home);

    // Whether DMDB/ already holds a copy of the data set.
    bool exists() const;
    // Overwrites an older copy; returns the messages of the copies that failed.
    QStringList make();
    // Puts the copy back in place of the data set and the text files of DB/; throws DatabaseError.
    void restore();

private:
    QString copyOfDatabase() const;

    Database& m_db;
    const DataHome& m_home;
};

} // namespace korbelant
