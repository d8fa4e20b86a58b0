#include "core/SqlCondition.h"

namespace korbelant {

void SqlCondition::add(const QString& sql, const QVariantList& params)
{
    m_parts << sql;
    m_params << params;
}

void SqlCondition::add(const SqlCondition& other)
{
    if (other.isEmpty())
        return;
    add(other.sql(), other.params());
}

QString SqlCondition::sql() const
{
    if (m_parts.isEmpty())
        return QStringLiteral("1");
    QStringList wrapped;
    for (const QString& part : m_parts)
        wrapped << QLatin1Char('(') + part + QLatin1Char(')');
    return wrapped.join(QStringLiteral(" AND "));
}

} // namespace korbelant
