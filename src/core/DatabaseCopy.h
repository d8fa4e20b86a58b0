#pragma once

#include "core/RowCounts.h"

#include <QString>

namespace korbelant {

class Database;

// The engine's backup run between the open data set and a file, both ways.
class DatabaseCopy
{
public:
    // A consistent copy of the whole data set into a new file (an existing one is replaced). The
    // copy is made inside one read transaction, and the record counts of every table returned are
    // those of that same moment. Throws DatabaseError.
    static RowCounts::Counts copyTo(Database& db, const QString& targetFile);
    // Replaces every page of the open data set with those of the database file, in one write
    // transaction: the data set is either wholly the copy's or stays as it was. Throws DatabaseError.
    static void restoreFrom(Database& db, const QString& sourceFile);
};

} // namespace korbelant
