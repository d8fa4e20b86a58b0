#pragma once

#include <QString>
#include <QVariant>

namespace korbelant {

// A stored value as the order file writes it: dates "dd.mm.yyyy", whole numbers without decimals,
// other numbers with a decimal comma, never a thousands separator; a missing value is empty.
class OrderFileValue
{
public:
    static QString text(const QVariant& value);
    // The same, escaped for a TWD record or an escaped section value.
    static QString escaped(const QVariant& value);
};

} // namespace korbelant
