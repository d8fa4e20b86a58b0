#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class TakeOverSource;

// A guest of a Quarnel party (a record of GAST.db) as a participant of the party taken over.
// Quarnel does not number its guests; a guest's participant number is its place among the
// guests of its party, from "01" (the host).
class QuarnelGuest
{
public:
    static inline const QString kParty = QStringLiteral("VfNr");
    static inline const QString kCustomer = QStringLiteral("PersNr");

    // "01" for the first guest of a party; empty for a place beyond two digits.
    static QString participantNumber(int place);
    // The participant record of the source's current guest at that place (from 1) for the
    // stored party header; nullopt when its place does not fit two digits.
    static std::optional<QVariantMap> participant(const TakeOverSource& source, const QVariantMap& header,
                                                  int place);
};

} // namespace korbelant
