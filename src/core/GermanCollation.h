#pragma once

#include <string_view>

struct sqlite3;

namespace korbelant {

// The order of the named indexes: without regard to case, umlauts and accents sorted with their
// base letter ("Müller" beside "Muller", ß as "ss"); among names equal so far, the plain letter
// comes before the accented one. Registered with SQLite as the collation GERMAN.
class GermanCollation
{
public:
    static int compare(std::string_view a, std::string_view b);
    // Registers GERMAN on the connection; returns the SQLite result code.
    static int registerWith(sqlite3* db);
};

} // namespace korbelant
