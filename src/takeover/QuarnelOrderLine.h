#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class KindTable;
class TakeOverSource;

// An order line of a Quarnel guest (a record of BESTARTK.db) as an order line of the party taken
// over, priced with the factors of its transaction kind. Quarnel keeps the price of one piece.
class QuarnelOrderLine
{
public:
    // The order line of participant `pNr` of the stored header; nullopt for a line without a
    // party (VfNr below 1).
    static std::optional<QVariantMap> line(const TakeOverSource& source, const QVariantMap& header,
                                           const QString& pNr, const KindTable& kinds);
};

} // namespace korbelant
