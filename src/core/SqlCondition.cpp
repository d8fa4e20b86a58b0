#include "core/SqlCondition.h"

#include "core/Statement.h"

namespace korbelant {

void SqlCondition::add(const QString& sql, const QVariantList& params)
{
    m_parts << sql;
    m_params << params;
}

void SqlCondition::addNamed(const QString& sql, const QVariantMap& params)
{
    m_parts << sql;
    m_named.insert(params);
}

void SqlCondition::add(const SqlCondition& other)
{
    if (other.isEmpty())
        return;
    m_parts << other.sql();
    m_params << other.params();
    m_named.insert(other.namedParams());
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

QString SqlCondition::where() const
{
    return isEmpty() ? QString() : QStringLiteral(" WHERE ") + sql();
}

void SqlCondition::bindTo(Statement& st) const
{
    st.bindAll(m_params);
    st.bindAll(m_named);
}

} // namespace korbelant
