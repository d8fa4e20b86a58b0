#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace korbelant {

// A WHERE condition built from parts joined with AND, each with its own bound values. User text
// only ever travels in the values, never in the SQL text.
class SqlCondition
{
public:
    SqlCondition() = default;
    SqlCondition(const QString& sql, const QVariantList& params) { add(sql, params); }

    void add(const QString& sql, const QVariantList& params = {});
    void add(const SqlCondition& other);
    bool isEmpty() const { return m_parts.isEmpty(); }
    // The parts joined with AND, each in parentheses; "1" (always true) without parts.
    QString sql() const;
    const QVariantList& params() const { return m_params; }

private:
    QStringList m_parts;
    QVariantList m_params;
};

} // namespace korbelant
