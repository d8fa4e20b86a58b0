#pragma once

#include <QString>
#include <optional>

namespace korbelant {

// The fields of the fixed-width records of the exchange disk: text left-aligned, numbers
// right-aligned, both filled with blanks. A text is cut to its field; a number is never cut.
class FixedField
{
public:
    static QString text(const QString& value, int width);
    // Right-aligned text, such as the consultant number.
    static QString right(const QString& value, int width);
    // The number right-aligned; nullopt when its digits do not fit the width.
    static std::optional<QString> number(qint64 value, int width);
    // A decimal number with "." and the given decimals, right-aligned; nullopt when it does not fit.
    static std::optional<QString> decimal(double value, int decimals, int width);
    // Characters `pos` (1-based) to pos + width - 1 of a record; shorter when the line ends before.
    static QString at(const QString& line, int pos, int width);
    // An integer of digits with blanks around; nullopt for anything else. Blank gives `blank`.
    static std::optional<qint64> integer(const QString& field, std::optional<qint64> blank = std::nullopt);
    static bool isDigits(const QString& field);
};

} // namespace korbelant
