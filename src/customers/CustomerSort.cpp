#include "customers/CustomerSort.h"

#include "core/Schema.h"

namespace korbelant {

namespace {

struct Entry
{
    CustomerSort::Order order;
    const char* caption;
    const char* index;
    const char* column; // the grid column marked in red
};

const Entry kEntries[] = {
    {CustomerSort::Order::Name, "Name + Vorname", "NameIndex", "NAME"},
    {CustomerSort::Order::Number, "Kundennummer", "", "K_NR"},
    {CustomerSort::Order::Postcode, "Postleitzahl", "PLZIndex", "PLZ"},
    {CustomerSort::Order::TownStreet, "Ort + Straße", "OrtIndex", "ORT"},
    {CustomerSort::Order::Telephone, "Telefon-Nr.", "TelefonIndex", "TELEFON"},
    {CustomerSort::Order::NextParty, "Nächste Vorführung", "N_DatumIndex", ""},
    {CustomerSort::Order::FollowUp, "Wiedervorlage", "WVIndex", ""},
    {CustomerSort::Order::MatchCode, "Match-Code1", "MCIndex", ""},
    {CustomerSort::Order::LastParty, "Letzte Vorführung", "L_DATUMIndex", ""},
};

const Entry& entry(CustomerSort::Order order)
{
    for (const Entry& e : kEntries) {
        if (e.order == order)
            return e;
    }
    return kEntries[0];
}

} // namespace

const QList<CustomerSort::Order>& CustomerSort::all()
{
    static const QList<Order> orders = [] {
        QList<Order> list;
        for (const Entry& e : kEntries)
            list << e.order;
        return list;
    }();
    return orders;
}

QString CustomerSort::caption(Order order)
{
    return QString::fromUtf8(entry(order).caption);
}

QString CustomerSort::indexName(Order order)
{
    return QString::fromLatin1(entry(order).index);
}

QString CustomerSort::orderBy(Order order)
{
    const QString index = indexName(order);
    if (index.isEmpty())
        return QStringLiteral("K_NR");
    return Schema::get(QStringLiteral("Kunden")).orderBy(index) + QStringLiteral(", K_NR");
}

bool CustomerSort::forColumn(const QString& field, Order& order)
{
    // Name and first name both sort by name.
    const QString f = field.toUpper() == QStringLiteral("VORNAME") ? QStringLiteral("NAME") : field.toUpper();
    for (const Entry& e : kEntries) {
        if (f == QString::fromLatin1(e.column)) {
            order = e.order;
            return true;
        }
    }
    return false;
}

QString CustomerSort::markedColumn(Order order)
{
    return QString::fromLatin1(entry(order).column);
}

} // namespace korbelant
