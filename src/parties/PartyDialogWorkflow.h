#pragma once

#include "parties/TVorFuerModul.h"

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

// One run of the party dialog over a header: a new party from the party-number dialog or a
// stored one to edit. Leaving the dialog with "&Ok" stores the header; cancelling a new party
// leaves no party behind, even when "Datum ändern" has stored it in the meantime.
class PartyDialogWorkflow
{
public:
    // "&Neu": a new, unsaved header for the number and date of the party-number dialog.
    static PartyDialogWorkflow startNew(TVorFuerModul& modul, const QString& rNr, const QDate& date);
    // "&Bearbeiten": the stored header; nullopt when there is no such party.
    static std::optional<PartyDialogWorkflow> edit(TVorFuerModul& modul, const QString& rNr);

    bool isNew() const { return m_isNew; }
    QString rNr() const;
    // The header the dialog starts from; the dialog's own changes go to accept().
    TVorFuerModul::Record& header() { return m_header; }

    // "&Ok": the header as the dialog left it is stored.
    void accept(const TVorFuerModul::Record& edited);
    // The dialog was cancelled: a new party that is stored by now is removed again; an edited
    // party stays as it is.
    void cancel();
    // The participant the guest window opens on after "&Bestelleingabe": a new party starts with
    // the host, an edited one with the participant selected in the party window (else the host).
    QString firstGuest(const QString& selectedGuest) const;

private:
    PartyDialogWorkflow(TVorFuerModul& modul, TVorFuerModul::Record header, bool isNew);

    TVorFuerModul& m_modul;
    TVorFuerModul::Record m_header;
    bool m_isNew;
};

} // namespace korbelant
