#include "planning/PlanPartyCreation.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/RecordValue.h"
#include "core/Transaction.h"
#include "core/TupperFields.h"
#include "core/TuppkopfFields.h"
#include "core/UiPort.h"
#include "parties/TVorFuerModul.h"
#include "planning/PartyPlanning.h"

namespace korbelant {

namespace {

// Switches the customer update of the party module off for its lifetime and back on at the end,
// also when the creation fails.
class CustomerUpdatePause
{
public:
    explicit CustomerUpdatePause(TVorFuerModul& parties)
        : m_parties(parties), m_before(parties.customerUpdateSuppressed())
    {
        m_parties.setCustomerUpdateSuppressed(true);
    }
    ~CustomerUpdatePause() { m_parties.setCustomerUpdateSuppressed(m_before); }
    CustomerUpdatePause(const CustomerUpdatePause&) = delete;
    CustomerUpdatePause& operator=(const CustomerUpdatePause&) = delete;

private:
    TVorFuerModul& m_parties;
    bool m_before;
};

// Hides the progress display when the creation ends, however it ends.
class ProgressShown
{
public:
    explicit ProgressShown(UiPort& ui) : m_ui(ui) { m_ui.progress(PlanPartyCreation::kProgress); }
    ~ProgressShown() { m_ui.progress(QString()); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    UiPort& m_ui;
};

} // namespace

std::optional<QString> PlanPartyCreation::host()
{
    const auto host = m_planning.host();
    if (!host)
        m_planning.ui().information(PartyPlanning::kNoHost);
    return host;
}

QDate PlanPartyCreation::dialogDate(const QString& host, const QDate& lastHeld) const
{
    const QVariant next =
        m_planning.db().scalar(QStringLiteral("SELECT N_DATUM FROM Kunden WHERE K_NR = ?"), {host});
    const QDate date = QDate::fromString(next.toString(), Qt::ISODate);
    return date.isValid() ? date : lastHeld;
}

PlanPartyCreation::Created PlanPartyCreation::create(const QString& rNr, const QDate& date,
                                                     const QString& host, const QStringList& marked)
{
    using H = TuppkopfFields;
    using P = TupperFields;
    ProgressShown progress(m_planning.ui());
    CustomerUpdatePause pause(m_parties);
    Transaction tx(m_parties.db());
    TVorFuerModul::Record header = m_parties.newParty(rNr, date);
    m_parties.setHost(header, host);
    m_parties.saveHeader(header); // stores the host as participant "01"
    for (const QString& kNr : marked) {
        if (kNr == host)
            continue;
        auto guest = m_parties.addParticipant(rNr);
        if (!guest)
            break; // the party is full
        (*guest)[P::K_NR] = kNr;
        try {
            m_parties.saveParticipant(*guest);
        } catch (const DatabaseError&) {
            // A guest who cannot be stored is left out; the others still come.
        }
    }
    Created created{rNr, {}};
    for (const TVorFuerModul::Record& p : m_parties.participants(rNr))
        created.participants.emplace_back(RecordValue::text(p, P::P_NR), RecordValue::text(p, P::K_NR));
    header = *m_parties.header(rNr);
    header[H::GAESTE] = static_cast<int>(created.participants.size());
    m_parties.saveHeader(header);
    tx.commit();
    return created;
}

} // namespace korbelant
