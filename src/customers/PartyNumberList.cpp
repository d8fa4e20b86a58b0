#include "customers/PartyNumberList.h"

#include "core/Database.h"

namespace korbelant {

std::vector<PartyNumberList::Row> PartyNumberList::rows(Database& db)
{
    std::vector<Row> list;
    for (const QVariantList& r : db.rows(
             QStringLiteral("SELECT k.R_NR, c.NAME, k.MWoche, k.TWoche, k.GAESTE, k.S_UMSATZ FROM Tuppkopf k "
                            "LEFT JOIN Kunden c ON c.K_NR = k.K_NR ORDER BY k.DATUM DESC, k.R_NR")))
        list.push_back({r.at(0).toString(), r.at(1).toString(), r.at(2).toString(), r.at(3).toString(),
                        r.at(4).toInt(), r.at(5).toDouble()});
    return list;
}

QString PartyNumberList::masked(const QString& number)
{
    const QString n = number.leftJustified(7, QLatin1Char(' '));
    return n.mid(0, 2) + QLatin1Char('/') + n.mid(2, 2) + QLatin1Char('/') + n.mid(4, 2) +
           QStringLiteral("  ") + n.mid(6, 1);
}

QString PartyNumberList::unmasked(const QString& text)
{
    QString n = text;
    n.remove(QLatin1Char('/')).remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    return n;
}

} // namespace korbelant
