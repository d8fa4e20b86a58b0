#pragma once

#include "core/TableDef.h"

#include <QVariantMap>
#include <optional>

namespace korbelant {

// The entry fields of the windows take no more characters than the table's field holds; a value
// entered elsewhere is held to the same width instead of being cut when it is stored.
class FieldWidthCheck
{
public:
    // The message for a text too long for its field, nullopt when it fits (or has no width).
    static std::optional<QString> violation(const FieldDef& field, const QString& value);
    // The first such message among the values of the table's fields.
    static std::optional<QString> violation(const TableDef& table, const QVariantMap& values);
};

} // namespace korbelant
