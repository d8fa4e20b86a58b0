#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace korbelant {

class PartyPlanning;
class TVorFuerModul;

// "Vor&führung": turns the plan into a party through the party module's rules. The host's party
// is stored with her as participant "01", every other marked customer follows as "02", "03", …
// in the order given, and the header counts them all. The whole party is one transaction: a
// failure leaves no party behind. The customer update of the participants is off meanwhile.
class PlanPartyCreation
{
public:
    static inline const QString kProgress = QStringLiteral("   Vorführung wird erstellt.   ");

    struct Created
    {
        QString rNr;
        // P_NR and K_NR of every participant, host first.
        std::vector<std::pair<QString, QString>> participants;
    };

    PlanPartyCreation(TVorFuerModul& parties, PartyPlanning& planning)
        : m_parties(parties), m_planning(planning)
    {
    }

    // The marked host; nullopt after the message when there is none.
    std::optional<QString> host();
    // The date the party-number dialog opens with: the host's next party date, otherwise the
    // date the dialog held last.
    QDate dialogDate(const QString& host, const QDate& lastHeld) const;
    // Creates the party with the number and date the party-number dialog gave. `marked` is the
    // marked customers in the grid's order; the host among them is skipped.
    Created create(const QString& rNr, const QDate& date, const QString& host, const QStringList& marked);

private:
    TVorFuerModul& m_parties;
    PartyPlanning& m_planning;
};

} // namespace korbelant
