#pragma once

#include "core/ResultTable.h"

#include <QString>

namespace korbelant {

class Database;

// The sums of a week's parties: per part-week (what the week window shows beside the parties)
// and over the whole week (the printed-matter order).
class PartWeekSums
{
public:
    // TWocheQuery: one row per part-week in part-week order, columns MWOCHE, TWOCHE, BENENNUNG,
    // S_REKRUTI, S_VORFUEHR, SS_UMSATZ, SS_AUSGABE, SS_PROV, S_VERABRED, S_GAESTE, S_ANGEBOTE,
    // S_ZUGFEDER, S_STERNE, S_STERNE_B, S_UM_STERN, SVKG_UMSATZ, SWB_UMSATZ.
    static ResultTable TWocheQuery(Database& db, const QString& week);
    // The same sums over every part-week of the week: one row (counts 0 for a week without parties).
    static ResultTable wholeWeek(Database& db, const QString& week);
    // Whether the sums count a party at all.
    static bool countsParties(const ResultTable& sums);
    // The part-week of the last row (what "all part-weeks" reaches to); empty without rows.
    static QString lastPartWeek(const ResultTable& sums);

private:
    static QString select(const QString& groupBy);
};

} // namespace korbelant
