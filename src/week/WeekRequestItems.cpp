#include "week/WeekRequestItems.h"

#include "core/Database.h"
#include "week/WeekRecordSpin.h"

namespace korbelant {

namespace {

const QString kSelect = QStringLiteral("SELECT MWOCHE, Kodierung, Bezeichnung, IFNULL(Menge, 0), IFNULL(Max, "
                                       "0) FROM anforderungen WHERE MWOCHE = ?");

WeekRequestItems::Item itemOf(const QVariantList& row)
{
    return {row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toInt(),
            row.at(4).toInt()};
}

} // namespace

std::vector<WeekRequestItems::Item> WeekRequestItems::items(Database& db, const QString& week)
{
    std::vector<Item> result;
    for (const QVariantList& row : db.rows(kSelect + QStringLiteral(" ORDER BY Kodierung"), {week}))
        result.push_back(itemOf(row));
    return result;
}

std::optional<WeekRequestItems::Item> WeekRequestItems::item(Database& db, const QString& week,
                                                             const QString& kodierung)
{
    const auto rows = db.rows(kSelect + QStringLiteral(" AND Kodierung = ?"), {week, kodierung});
    if (rows.empty())
        return std::nullopt;
    return itemOf(rows.front());
}

std::optional<int> WeekRequestItems::spin(Database& db, const Item& item, bool up)
{
    const auto menge = up ? WeekRecordSpin::requestUp(item.Kodierung, item.Menge, item.Max)
                          : WeekRecordSpin::requestDown(item.Kodierung, item.Menge);
    if (menge)
        db.run(QStringLiteral("UPDATE anforderungen SET Menge = ? WHERE MWOCHE = ? AND Kodierung = ?"),
               {*menge, item.MWOCHE, item.Kodierung});
    return menge;
}

} // namespace korbelant
