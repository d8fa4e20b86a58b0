#pragma once

#include <QString>

namespace korbelant {

// A participant's order that is marked as not paid, with the buyer's name and place.
struct UnpaidOrder
{
    QString R_NR;
    QString P_NR;
    QString K_NR;
    QString NAME; // "Name, Vorname"
    QString ORT;  // postcode + " " + place
    QString MWoche;
    double UMSATZ = 0;
    bool BEZAHLT = false;

    // The week as the grid shows it: "2003 \ 05".
    static QString weekShown(const QString& mWoche);
    // "bezahlt" / "nicht bezahlt".
    static QString paidShown(bool paid);
};

} // namespace korbelant
