#include "core/FieldWidthCheck.h"

namespace korbelant {

std::optional<QString> FieldWidthCheck::violation(const FieldDef& field, const QString& value)
{
    if (field.type != FieldDef::Type::Alpha || field.width <= 0 || value.size() <= field.width)
        return std::nullopt;
    return QStringLiteral("Der Wert für %1 ist länger als %2 Zeichen.").arg(field.name).arg(field.width);
}

std::optional<QString> FieldWidthCheck::violation(const TableDef& table, const QVariantMap& values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = table.field(it.key());
        if (!field)
            continue;
        if (auto message = violation(*field, it.value().toString()))
            return message;
    }
    return std::nullopt;
}

} // namespace korbelant
