#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// The sort orders of the customer window's choice box "Sortierung nach :", each the order of a
// named index of the customer table (or of its key).
class CustomerSort
{
public:
    enum class Order
    {
        Name,
        Number,
        Postcode,
        TownStreet,
        Telephone,
        NextParty,
        FollowUp,
        MatchCode,
        LastParty
    };

    static const QList<Order>& all();      // in the order of the choice box
    static QString caption(Order order);   // "Name + Vorname", …
    static QString indexName(Order order); // "NameIndex", …; empty for the key
    // The ORDER BY clause over the customer table, with the number as the last tie-break.
    static QString orderBy(Order order);
    // The sort order a click on a grid column title chooses, by the column's field name
    // ("K_NR", "NAME", "VORNAME", "PLZ", "ORT", "TELEFON"); false for other columns.
    static bool forColumn(const QString& field, Order& order);
    // The grid column whose title is shown in red, or empty when the info panel shows the field.
    static QString markedColumn(Order order);
};

} // namespace korbelant
