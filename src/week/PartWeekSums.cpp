#include "week/PartWeekSums.h"

#include "core/Database.h"

namespace korbelant {

QString PartWeekSums::select(const QString& groupBy)
{
    return QStringLiteral(
               "SELECT MWOCHE AS MWOCHE, %1 AS TWOCHE, SUM(BENENN_TUP) AS BENENNUNG, SUM(REKRUTIER) AS "
               "S_REKRUTI, "
               "COUNT(R_NR) AS S_VORFUEHR, SUM(S_UMSATZ) AS SS_UMSATZ, SUM(S_AUSGABE) AS SS_AUSGABE, "
               "SUM(S_PROV) AS SS_PROV, SUM(VERABRED) AS S_VERABRED, SUM(GAESTE) AS S_GAESTE, "
               "SUM(S_ANGEBOTE) AS S_ANGEBOTE, SUM(S_VerkServicePr) AS S_ZUGFEDER, SUM(STERNE) AS S_STERNE, "
               "SUM(STERNE_DM) AS S_STERNE_B, SUM(UM_STERNE) AS S_UM_STERN, SUM(VKG_UMSATZ) AS SVKG_UMSATZ, "
               "SUM(WB_UMSATZ) AS SWB_UMSATZ FROM Tuppkopf WHERE MWoche = ? AND R_NR <> '' %2")
        .arg(groupBy.isEmpty() ? QStringLiteral("''") : QStringLiteral("TWOCHE"), groupBy);
}

ResultTable PartWeekSums::TWocheQuery(Database& db, const QString& week)
{
    return ResultTable::query(db, select(QStringLiteral("GROUP BY MWOCHE, TWOCHE ORDER BY TWOCHE")), {week});
}

ResultTable PartWeekSums::wholeWeek(Database& db, const QString& week)
{
    return ResultTable::query(db, select(QString()), {week});
}

bool PartWeekSums::countsParties(const ResultTable& sums)
{
    for (int r = 0; r < sums.rowCount(); ++r) {
        if (sums.value(r, QStringLiteral("S_VORFUEHR")).toInt() > 0)
            return true;
    }
    return false;
}

QString PartWeekSums::lastPartWeek(const ResultTable& sums)
{
    return sums.value(sums.rowCount() - 1, QStringLiteral("TWOCHE")).toString();
}

} // namespace korbelant
