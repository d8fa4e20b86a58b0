#pragma once

#include <QString>

namespace korbelant {

class Database;

// The single record of MainVersion that belongs to the installed data set: the program name and
// year shown in the title and in every report's page frame.
struct VersionRecord
{
    QString version;     // VERISON
    QString application; // Aplication
    QString year;        // Year

    // Throws DatabaseError when the table is missing or broken; an empty table gives empty values.
    static VersionRecord read(Database& db);
};

} // namespace korbelant
