#pragma once

#include "parties/PartyAddress.h"

#include <QString>

namespace korbelant {

// The key of an order line as the back-order work names it.
struct BackOrderKey
{
    QString rNr;
    QString pNr;
    qint64 id = 0;
};

// An order line as the back-order windows and lists show it: the line's back-order fields with
// its guest and the party's host.
struct BackOrderLine
{
    BackOrderKey key;
    QString lNr;
    QString va;
    QString vorab;
    QString lText;
    double stueck = 0;
    double einzPreis = 0;
    QString nachlief;
    int naStueck = 0;
    int naStuLi = 0;
    PartyAddress guest;
    PartyAddress host;

    int openPieces() const { return naStueck - naStuLi; }
    // "Name, Vorname" of the guest.
    QString guestName() const;
    // Name, first name, postcode and town, separated by a comma and a blank.
    static QString addressLine(const PartyAddress& address);
};

} // namespace korbelant
