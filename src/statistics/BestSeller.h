#pragma once

#include <QString>

namespace korbelant {

// One line of the best-seller list: an article sold under one transaction kind, summed over the
// order lines of the period.
struct BestSeller
{
    QString L_NR;
    QString VA;
    double Stueck = 0; // "Gesamtmenge"
    double Sterne = 0; // "Sternesumme"
    QString L_TEXT;
    double EINZ_KOST = 0;  // lowest unit cost
    double EINZ_PREIS = 0; // lowest unit price
    double KOSTEN = 0;     // "Gesamtkosten"
    double SUMME = 0;      // "Gesamtumsatz"
};

} // namespace korbelant
