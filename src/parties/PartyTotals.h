#pragma once

#include <QString>
#include <QVariantMap>

namespace korbelant {

class Database;

// The totals a party header carries from its order lines and participants: turnover, costs,
// commission and weighted turnover over the lines of known kinds, the stars (without advance
// lines unless those count), the pieces of kinds "32" and "38", and the nominations and
// appointments of the participants. One party is read in one statement; recalcAll() computes the
// same for every party at once.
struct PartyTotals
{
    qint64 pricedLines = 0; // lines of a kind the kind table knows
    double umsatz = 0;
    double ausgabe = 0;
    double provision = 0;
    double vkgUmsatz = 0;
    double wbUmsatz = 0;
    double sterne = 0; // over the priced lines, without advance lines unless those count
    double sterneDm = 0;
    double umSterne = 0;
    qint64 lines = 0;
    bool emptyKind = false; // a line without kind: both piece counts are 0
    int angebote = 0;       // pieces of kind "32"
    int verkServicePr = 0;  // pieces of kind "38"
    int nominated = 0;
    int appointed = 0;

    static PartyTotals read(Database& db, const QString& rNr, bool advanceLinesCount);
    // Writes the totals into the header. Sums over no priced lines and counts of none leave the
    // header's values as they are; the stars are written all the same when advance lines do not
    // count.
    void applyTo(QVariantMap& header, bool advanceLinesCount) const;
    // Turnover of every participant from her lines, then every header as applyTo() writes it.
    static void recalcAll(Database& db, bool advanceLinesCount);
};

} // namespace korbelant
