#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

// One line of the travel account: a trip with its kilometres and amount, or a day's meal
// allowance (0 km).
struct TravelEntry
{
    QDate Datum;
    QString Text;
    int KM = 0;
    double Betrag = 0;
};

} // namespace korbelant
