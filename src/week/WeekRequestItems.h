#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace korbelant {

class Database;

// The request items of a week (anforderungen): further items besides goods that the consultant
// may ask the distributor for. Only the quantity is changed here; Max 0 means no upper limit.
class WeekRequestItems
{
public:
    struct Item
    {
        QString MWOCHE;
        QString Kodierung;
        QString Bezeichnung;
        int Menge = 0;
        int Max = 0;
    };

    static inline const QString kNoItems = QStringLiteral(
        "Keine Sonstigen Anforderungen für diese Woche eingelesen. Um die Anforderungsposten anzulegen lesen "
        "sie bitte den Artikelstamm über die Artikelverwaltung ein.");

    static std::vector<Item> items(Database& db, const QString& week);
    static std::optional<Item> item(Database& db, const QString& week, const QString& kodierung);
    // The item's spin; the new quantity is stored at once. nullopt when nothing changed.
    static std::optional<int> spin(Database& db, const Item& item, bool up);
};

} // namespace korbelant
