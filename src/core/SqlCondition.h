#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace korbelant {

class Statement;

// A WHERE condition built from parts joined with AND, each with its own bound values: positional
// ("?", in the order of the parts) or named (":NAME", the names given without the colon). A
// condition uses one kind or the other. User text only ever travels in the values, never in the
// SQL text.
class SqlCondition
{
public:
    SqlCondition() = default;
    SqlCondition(const QString& sql, const QVariantList& params) { add(sql, params); }

    void add(const QString& sql, const QVariantList& params = {});
    void addNamed(const QString& sql, const QVariantMap& params);
    void add(const SqlCondition& other);
    bool isEmpty() const { return m_parts.isEmpty(); }
    // The parts joined with AND, each in parentheses; "1" (always true) without parts.
    QString sql() const;
    // " WHERE " and the parts; empty without parts.
    QString where() const;
    const QVariantList& params() const { return m_params; }
    const QVariantMap& namedParams() const { return m_named; }
    void bindTo(Statement& st) const;

private:
    QStringList m_parts;
    QVariantList m_params;
    QVariantMap m_named;
};

} // namespace korbelant
