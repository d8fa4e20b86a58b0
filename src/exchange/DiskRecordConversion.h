#pragma once

#include <QString>
#include <optional>

namespace korbelant {

// The records the distributor's disk brings, converted into the layouts of TRANSTUP that the
// article import reads (the record descriptions of TWFILELIST).
class DiskRecordConversion
{
public:
    // A consultant record of BERGRUP.ASC as a record of PCBERAT.ASC (140 characters); nullopt
    // when the line holds no consultant number.
    static std::optional<QString> PCBERAT(const QString& line);
    // An article record of GBART.ASC as a record of PCART.ASC (77 characters): the prices in
    // hundredths. nullopt when the selling price is no number, or a price does not fit its six
    // places; a sample or VITALIC price that is blank or no number counts as 0.
    static std::optional<QString> PCART(const QString& line);
    // A price of GBART.ASC ("12.95") in hundredths, rounded; nullopt when it is no number.
    static std::optional<qint64> hundredths(const QString& field);
};

} // namespace korbelant
