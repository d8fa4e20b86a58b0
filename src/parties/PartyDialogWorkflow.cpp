#include "parties/PartyDialogWorkflow.h"

#include <utility>

namespace korbelant {

PartyDialogWorkflow::PartyDialogWorkflow(TVorFuerModul& modul, TVorFuerModul::Record header, bool isNew)
    : m_modul(modul), m_header(std::move(header)), m_isNew(isNew)
{
}

PartyDialogWorkflow PartyDialogWorkflow::startNew(TVorFuerModul& modul, const QString& rNr, const QDate& date)
{
    return PartyDialogWorkflow(modul, modul.newParty(rNr, date), true);
}

std::optional<PartyDialogWorkflow> PartyDialogWorkflow::edit(TVorFuerModul& modul, const QString& rNr)
{
    auto stored = modul.header(rNr);
    if (!stored)
        return std::nullopt;
    return PartyDialogWorkflow(modul, std::move(*stored), false);
}

QString PartyDialogWorkflow::rNr() const
{
    return m_header.value(QStringLiteral("R_NR")).toString();
}

void PartyDialogWorkflow::accept(const TVorFuerModul::Record& edited)
{
    m_header = edited;
    m_modul.saveHeader(m_header);
}

void PartyDialogWorkflow::cancel()
{
    if (m_isNew && m_modul.headerStored(rNr()))
        m_modul.removeParty(rNr());
}

QString PartyDialogWorkflow::firstGuest(const QString& selectedGuest) const
{
    return m_isNew || selectedGuest.isEmpty() ? TVorFuerModul::kHost : selectedGuest;
}

} // namespace korbelant
