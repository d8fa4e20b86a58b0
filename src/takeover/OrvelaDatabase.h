#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// Where Orvela keeps its data: the Access database Korbdat.mdb in its directory, or
// Korbdat2000.mdb there when the first is missing, and the ODBC parameters that open it.
class OrvelaDatabase
{
public:
    // The database file of the directory (file names compared without regard to case); empty
    // when it has neither.
    static QString file(const QString& directory);
    // The connection parameters for the database file.
    static QStringList parameters(const QString& databaseFile);
};

} // namespace korbelant
