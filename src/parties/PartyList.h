#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>
#include <vector>

namespace korbelant {

class Database;

// What the party window lists: the party headers in one of the five orders of its sort box, and
// the participants of one party with their names.
class PartyList
{
public:
    // The orders of "Sortierung der Vorführungen nach :", in the box's order.
    enum class Order
    {
        Week,        // WocheIndex: MWoche, TWoche
        PartyNumber, // primary key
        Host,        // GaesteIndex: K_NR
        Turnover,    // S_UmsatzIndex
        Date         // DatumIndex
    };

    struct Party
    {
        QString rNr;
        QDate datum;
        QString mWoche;
        QString tWoche;
        double umsatz = 0;
        double provision = 0;
        bool erstellt = false; // reported to the distributor
    };

    struct Guest
    {
        QString pNr;
        QString name; // "NAME, VORNAME" of the participant's customer
        double umsatz = 0;
        QDate verabredDatum;
    };

    static QStringList choices();
    static Order fromChoice(const QString& choice);

    explicit PartyList(Database& db) : m_db(db) {}

    std::vector<Party> parties(Order order) const;
    // One party's row, to refresh it in the list without reading the whole list again.
    std::optional<Party> party(const QString& rNr) const;
    std::vector<Guest> guests(const QString& rNr) const;

private:
    std::vector<Party> select(const QString& where, const QVariantList& params, const QString& orderBy) const;

    Database& m_db;
};

} // namespace korbelant
