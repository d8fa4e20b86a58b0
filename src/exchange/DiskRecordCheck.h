#pragma once

#include <QString>
#include <array>
#include <optional>

namespace korbelant {

// The checks of the week's records before they go onto the exchange disk, and the records as
// the distributor reads them, rebuilt field by field.
class DiskRecordCheck
{
public:
    // The counts of a success record in their order: parties, appointments, guests, planned
    // parties of weeks 1 .. 6, nominations, recruiting visits.
    using SuccessCounts = std::array<qint64, 11>;

    // An order record (25 characters): type "76", a numeric consultant number, a numeric VA, an
    // order number of at least four characters that are not blank; a position that is no digit
    // becomes "0". nullopt when the record fails; `quantity` is its quantity.
    static std::optional<QString> orderRecord(const QString& line, qint64& quantity);
    // A success record as GBERF.ASC holds it (45 characters, the reserve added): type "77" and a
    // numeric consultant number, each count an integer (blank as 0).
    static std::optional<QString> successRecord(const QString& line, SuccessCounts& counts);
    // An address record: "1A" in positions 1 .. 2 and a number in positions 178 .. 182.
    static bool addressRecord(const QString& line);
    // A position on the disk as written: the digit, "0" for anything else.
    static QString position(const QString& nr);
};

} // namespace korbelant
