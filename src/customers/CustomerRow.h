#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace korbelant {

// One line of the customer window: the grid's columns and the fields of its info panel.
struct CustomerRow
{
    QString number; // K_NR
    QString name;
    QString firstName;
    QString street;
    QString postcode;
    QString town;
    QString telephone;
    QString email;
    int planningMark = 0; // V_ANZAHL
    QString guestType;    // GASTGEBER
    QDate nextParty;      // N_DATUM
    QTime nextPartyTime;  // N_ZEIT
    QDate followUp;       // WiederVorlage
    QString matchCode;    // MCODE
    QDate lastParty;      // L_DATUM
};

} // namespace korbelant
