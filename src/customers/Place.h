#pragma once

#include <QString>

namespace korbelant {

// One row of the place directory: postcode, town and telephone area code.
struct Place
{
    QString postcode;
    QString town;
    QString areaCode;

    enum class Order
    {
        Postcode,
        Town
    }; // the two orders the places window is shown in
};

// One row of the distance table: the distance of a (postcode, town) from the consultant's home.
struct Distance
{
    QString postcode;
    QString town;
    int km = 0;
};

} // namespace korbelant
