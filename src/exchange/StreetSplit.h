#pragma once

#include <QString>

namespace korbelant {

// A street text as the distributor wants it: the street name and the house number apart. The cut
// is at the first digit 1 to 9 (a 0 does not start a number), at most before the 30th character;
// the house number is up to ten characters from there. A street without such a digit stays whole.
struct StreetSplit
{
    QString street;
    QString houseNumber;

    static StreetSplit of(const QString& text);
};

} // namespace korbelant
