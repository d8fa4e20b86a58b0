#pragma once

#include <QString>

namespace korbelant {

class Database;

// Lays out TRANSTUP for the exchange disk from the exchange file descriptions (TWFILELIST): each
// record description as FILENAME.sch, an empty FILENAME.ASC for every file the program writes,
// and the reference boot sector Boot3hd.dat when it is missing.
class DiskFileList
{
public:
    // False when a file cannot be written.
    static bool prepare(Database& db, const QString& transtup);
};

} // namespace korbelant
