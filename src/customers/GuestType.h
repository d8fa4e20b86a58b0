#pragma once

#include <QString>

namespace korbelant {

// The guest type of a customer (GASTGEBER) as a word.
class GuestType
{
public:
    // "Gastgeber", "Gast", "Startgast", "Mitbesteller", "Club Gastgeber" for J, N, S, M, C in any
    // case; any other value as stored.
    static QString word(const QString& code);
};

} // namespace korbelant
