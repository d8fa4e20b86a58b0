#pragma once

#include <QString>
#include <cstddef>

struct sqlite3;

namespace korbelant {

// A D-Mark amount of the data set as the conversion leaves it: the Euro value rounded to the
// table's decimals (7, or 2 for the article prices), followed directly by the digits "1016"
// (7 decimals) or "00000001016" (2 decimals), so that a converted amount can be told by its
// last digits. 9.99 becomes "5.1100000001016", 100 with 7 decimals "51.12918811016".
//
// The data set keeps amounts as REAL, so what is stored is the double nearest to that text. A
// double holds 15 to 17 significant digits: below 10,000 (at most 15 digits with the marker) the
// shortest text that reads back as the stored number is the marked text itself; in larger amounts
// the last marker digits may be lost to rounding, the rounded Euro value never is.
class EuroAmount
{
public:
    static inline const QString kSqlFunction = QStringLiteral("EURO_BETRAG");

    // decimals is 2 or 7. An empty (null) stored value counts as 0.
    static QString text(double dmAmount, int decimals);
    static double convert(double dmAmount, int decimals);
    // Registers EURO_BETRAG(value, decimals) on the connection; returns the SQLite result code.
    static int registerWith(sqlite3* db);

private:
    static constexpr std::size_t kTextSize = 64;
    static std::size_t write(double dmAmount, int decimals, char* buffer);
};

} // namespace korbelant
