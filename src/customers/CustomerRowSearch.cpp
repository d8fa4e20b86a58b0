#include "customers/CustomerRowSearch.h"

#include "core/GermanFormat.h"

namespace korbelant {

namespace {

QString label(CustomerSort::Order order)
{
    switch (order) {
    case CustomerSort::Order::Name:
        return QStringLiteral("Name");
    case CustomerSort::Order::Number:
        return QStringLiteral("Kundennummer");
    case CustomerSort::Order::Postcode:
        return QStringLiteral("Plz");
    case CustomerSort::Order::TownStreet:
        return QStringLiteral("Ort");
    case CustomerSort::Order::Telephone:
        return QStringLiteral("Telefon-Nr.");
    case CustomerSort::Order::NextParty:
        return QStringLiteral("Nächste Vorführung");
    case CustomerSort::Order::FollowUp:
        return QStringLiteral("Wiedervorlage");
    case CustomerSort::Order::MatchCode:
        return QStringLiteral("Match-Code1");
    case CustomerSort::Order::LastParty:
        return QStringLiteral("Letzte Vorführung");
    }
    return {};
}

const QDate* dateOf(const CustomerRow& r, CustomerSort::Order order)
{
    switch (order) {
    case CustomerSort::Order::NextParty:
        return &r.nextParty;
    case CustomerSort::Order::FollowUp:
        return &r.followUp;
    case CustomerSort::Order::LastParty:
        return &r.lastParty;
    default:
        return nullptr;
    }
}

bool isDateOrder(CustomerSort::Order order)
{
    return order == CustomerSort::Order::NextParty || order == CustomerSort::Order::FollowUp ||
           order == CustomerSort::Order::LastParty;
}

QString textOf(const CustomerRow& r, CustomerSort::Order order)
{
    switch (order) {
    case CustomerSort::Order::Number:
        return r.number;
    case CustomerSort::Order::Postcode:
        return r.postcode;
    case CustomerSort::Order::TownStreet:
        return r.town;
    case CustomerSort::Order::Telephone:
        return r.telephone;
    case CustomerSort::Order::MatchCode:
        return r.matchCode;
    default:
        return r.name;
    }
}

} // namespace

QString CustomerRowSearch::fieldLabel(CustomerSort::Order order)
{
    const QString l = label(order);
    return (l.size() > 10 ? l.left(10) + QLatin1Char('.') : l) + QStringLiteral(" :");
}

int CustomerRowSearch::find(const std::vector<CustomerRow>& rows, CustomerSort::Order order,
                            const QString& entry)
{
    if (entry.isEmpty())
        return -1;
    const bool isDate = isDateOrder(order);
    std::optional<QDate> wanted;
    if (isDate) {
        wanted = GermanFormat::parseDate(entry);
        if (!wanted)
            return -1; // not a date yet
    }
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const CustomerRow& r = rows.at(i);
        if (isDate ? *dateOf(r, order) == *wanted : textOf(r, order).startsWith(entry, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace korbelant
