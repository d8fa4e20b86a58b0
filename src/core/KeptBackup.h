#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

// One backup of the data set that can be restored: a dated directory of DBSicher/ with the copy of
// the database file and the text files of DB/, or a single copy of the database file.
struct KeptBackup
{
    QDate day;
    QString databaseFile;
    // The directory whose text files go back into DB/ with the copy; empty for a single file.
    QString textDirectory;
    qint64 bytes = 0;
};

} // namespace korbelant
