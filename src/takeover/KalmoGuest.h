#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class TakeOverSource;

// A guest of a KALMO party (a record of GBVFGL.DBF) as a participant of the party taken over.
// Guests are numbered from 0 in GASTNRLFD; the first is the host, participant "01".
class KalmoGuest
{
public:
    // "01" for GASTNRLFD 0; empty when the number cannot be read or does not fit two digits.
    static QString participantNumber(const TakeOverSource& source);
    // The customer number of a KALMO number: its characters 3 to 8.
    static QString customerNumber(const QString& kalmoNumber) { return kalmoNumber.mid(2, 6); }

    // The participant record for the party header; nullopt for a guest not taken over (state KZ
    // other than "00").
    static std::optional<QVariantMap> participant(const TakeOverSource& source, const QVariantMap& header);
};

} // namespace korbelant
