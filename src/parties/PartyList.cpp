#include "parties/PartyList.h"

#include "core/Database.h"

namespace korbelant {

namespace {

struct Choice
{
    const char* caption;
    PartyList::Order order;
    const char* orderBy; // the columns of the order's index; the party number keeps ties stable
};

const Choice kChoices[] = {
    {"Woche", PartyList::Order::Week, "MWoche, TWoche, R_NR"},
    {"Vorführungsnummer", PartyList::Order::PartyNumber, "R_NR"},
    {"K-Nr. der Gastgeberin", PartyList::Order::Host, "K_NR, R_NR"},
    {"Umsatz", PartyList::Order::Turnover, "S_UMSATZ, R_NR"},
    {"Datum", PartyList::Order::Date, "DATUM, R_NR"},
};

const Choice& choiceOf(PartyList::Order order)
{
    for (const Choice& c : kChoices) {
        if (c.order == order)
            return c;
    }
    return kChoices[0];
}

} // namespace

QStringList PartyList::choices()
{
    QStringList list;
    for (const Choice& c : kChoices)
        list << QString::fromUtf8(c.caption);
    return list;
}

PartyList::Order PartyList::fromChoice(const QString& choice)
{
    for (const Choice& c : kChoices) {
        if (choice == QString::fromUtf8(c.caption))
            return c.order;
    }
    return Order::Week;
}

std::vector<PartyList::Party> PartyList::parties(Order order) const
{
    return select(QString(), {}, QString::fromLatin1(choiceOf(order).orderBy));
}

std::optional<PartyList::Party> PartyList::party(const QString& rNr) const
{
    const auto found = select(QStringLiteral("WHERE R_NR = ?"), {rNr}, QStringLiteral("R_NR"));
    return found.empty() ? std::nullopt : std::optional<Party>(found.front());
}

std::vector<PartyList::Party> PartyList::select(const QString& where, const QVariantList& params,
                                                const QString& orderBy) const
{
    const QString sql =
        QStringLiteral(
            "SELECT R_NR, DATUM, IFNULL(MWoche, ''), IFNULL(TWoche, ''), IFNULL(S_UMSATZ, 0), "
            "IFNULL(S_UMSATZ, 0) - IFNULL(S_AUSGABE, 0), IFNULL(ERSTELLT, 0) FROM Tuppkopf %1 ORDER BY %2")
            .arg(where, orderBy);
    std::vector<Party> result;
    for (const QVariantList& r : m_db.rows(sql, params)) {
        Party p;
        p.rNr = r.at(0).toString();
        p.datum = QDate::fromString(r.at(1).toString(), Qt::ISODate);
        p.mWoche = r.at(2).toString();
        p.tWoche = r.at(3).toString();
        p.umsatz = r.at(4).toDouble();
        p.provision = r.at(5).toDouble();
        p.erstellt = r.at(6).toInt() != 0;
        result.push_back(p);
    }
    return result;
}

std::vector<PartyList::Guest> PartyList::guests(const QString& rNr) const
{
    const auto rows = m_db.rows(
        QStringLiteral(
            "SELECT t.P_NR, IFNULL(c.NAME, '') || ', ' || IFNULL(c.VORNAME, ''), IFNULL(t.UMSATZ, 0), "
            "t.Verabred_DATUM FROM Tupper t LEFT JOIN Kunden c ON c.K_NR = t.K_NR "
            "WHERE t.R_NR = ? ORDER BY t.P_NR"),
        {rNr});
    std::vector<Guest> result;
    for (const QVariantList& r : rows)
        result.push_back({r.at(0).toString(), r.at(1).toString(), r.at(2).toDouble(),
                          QDate::fromString(r.at(3).toString(), Qt::ISODate)});
    return result;
}

} // namespace korbelant
