#pragma once

#include "customers/CustomerSort.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace korbelant {

class Database;
class UiPort;

// The planning of a future party on the customer table: the plan is the mark V_ANZAHL of each
// customer (0 or empty not planned, 1 the host, 2 a guest), kept until the plan is reset.
class PartyPlanning
{
public:
    enum Mark
    {
        None = 0,
        Host = 1,
        Guest = 2
    };

    struct Counts
    {
        int hosts = 0;
        int guests = 0;
    };

    static inline const QString kHostMarked = QStringLiteral("Sie haben schon eine Gastgeberin markiert.");
    static inline const QString kNoHost = QStringLiteral("Sie haben noch keine Gastgeberin markiert.");
    static inline const QString kResetQuestion =
        QStringLiteral("Wollen Sie alle gemachten Eingaben zurücksetzen ?");
    // The condition of the filter "Vor&planung".
    static inline const QString kMarkedCondition = QStringLiteral("V_ANZAHL > 0");

    PartyPlanning(Database& db, UiPort& ui) : m_db(db), m_ui(ui) {}

    Database& db() { return m_db; }
    UiPort& ui() { return m_ui; }

    // The numbers of customers marked as host and as guest.
    Counts counts() const;
    // "&Gastgeb.": refused with its message while another host is marked. False when nothing
    // was marked (no customer number, or refused).
    bool markHost(const QString& kNr);
    bool markGuest(const QString& kNr);
    bool clear(const QString& kNr);
    // "&Neu": asks, and on Yes takes every customer out of the plan in one statement.
    bool reset();

    // The marked host; nullopt when none is marked.
    std::optional<QString> host() const;
    // The marked customers, host and guests, in the sort order given.
    QStringList marked(CustomerSort::Order order) const;

    // "Gastgeberin", "Gast" or empty.
    static QString markText(int mark);

private:
    bool setMark(const QString& kNr, Mark mark);

    Database& m_db;
    UiPort& m_ui;
};

} // namespace korbelant
