#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class KindTable;
class TakeOverSource;

// A guest of an Orvela party (a row of Gästeliste) as a participant, and its order lines (rows
// of Preislisten) as order lines of the party taken over. Guests run from 0 in lfd; the first
// is the host, participant "01".
class OrvelaGuest
{
public:
    // The participant record for the stored party header; nullopt when the guest's running
    // number cannot be read or does not fit two digits.
    static std::optional<QVariantMap> participant(const TakeOverSource& guests, const QVariantMap& header);
    // The order line of the current Preislisten row for the participant.
    static QVariantMap line(const TakeOverSource& lines, const QVariantMap& header, const QString& pNr,
                            const KindTable& kinds);
};

} // namespace korbelant
