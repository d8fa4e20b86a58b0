#include "exchange/TwdValueList.h"

namespace korbelant {

QString TwdValueList::value(const QString& key) const
{
    for (const auto& [name, value] : m_values) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value.value();
    }
    return {};
}

void TwdValueList::writeLines(QStringList& lines) const
{
    for (const auto& [name, value] : m_values)
        lines << name + QStringLiteral(" = ") + value.value();
}

} // namespace korbelant
