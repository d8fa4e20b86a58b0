#pragma once

#include <QVariantMap>
#include <optional>

namespace korbelant {

class Database;
class TakeOverSource;
struct TableDef;

// A record of Orvela's addresses (Adressen) or parties (Vorführungen) as a new customer or party
// header. Only the target fields of Orvela's field list are filled, each from its one source
// field; Orvela's numbers, folders and host flags are brought to the program's texts.
class OrvelaRecord
{
public:
    // The columns read by position: the star value of a party and the turnover of a guest.
    static constexpr int kPartyStarValueColumn = 15;
    static constexpr int kGuestTurnoverColumn = 8;

    // Copies the source's current record into the target table and stores it: a customer at
    // once, a party header under the next free day letter. The stored values; nullopt when the
    // record was dropped.
    static std::optional<QVariantMap> TakeOverRecord(Database& db, const TakeOverSource& source,
                                                     const TableDef& target);
};

} // namespace korbelant
