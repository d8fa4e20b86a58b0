#pragma once

#include <QString>

namespace korbelant {

class Database;

// Part-week marks of the party table.
class PartWeek
{
public:
    // The part-week mark a new party of week `week` receives: the mark after the highest mark
    // of that week's parties ("1" for a week without parties).
    static QString NextTWoche(Database& db, const QString& week);
};

} // namespace korbelant
