#pragma once

#include "statistics/BestSeller.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace korbelant {

// The orders of the best-seller list ("Sortierung nach :") with the column each one marks.
class BestSellerSort
{
public:
    enum class Key
    {
        Artikel,
        Menge,
        Umsatz,
        Sterne
    };

    // "Artikel-Nr. + VA", "Menge", "Gesamtumsatz", "Sterne", in the order of Key.
    static QStringList labels();
    static QString label(Key key);
    // The sum the list is ordered by, greatest first; none for the order by article number (equal
    // sums, and the article order, go by article number and kind).
    static double BestSeller::*measure(Key key);
    // The column whose title is shown red: L_NR, STUECK, SUMME, Sterne.
    static QString markedColumn(Key key);
    // The word of the command line: artikel, menge, umsatz, sterne.
    static std::optional<Key> fromWord(const QString& word);
};

} // namespace korbelant
