#pragma once

#include "takeover/TakeOverSource.h"

#include <QStringList>
#include <QVariantMap>

namespace korbelant {

class Database;
class FieldAliases;
struct FieldDef;
struct TableDef;

// A new record of one of the program's tables, filled field by field from a source record by the
// rules every takeover shares: a source field goes into the target field of its name, else into
// the one the alias list names. A value of the target's own kind is copied; a text into a memo
// becomes a further line of the memo; a text into a time gets its ":" after the hours ("0930"
// becomes 09:30); a text into a logical is true when it is "J". Other pairs copy nothing.
class TargetRecord
{
public:
    TargetRecord(const TableDef& table, const FieldAliases& aliases);

    const TableDef& table() const { return m_table; }
    // The target field of a source field; nullptr when there is none.
    const FieldDef* targetOf(const QString& sourceField) const;
    // Copies one source field by the rules; the target field written, nullptr when nothing was.
    const FieldDef* copy(const TakeOverSource::Field& field, const QVariant& value);
    // Copies every field of the source's current record in the source's order.
    void copyAll(const TakeOverSource& source);

    bool hasField(const QString& name) const;
    void set(const QString& name, const QVariant& value) { m_values.insert(name, value); }
    QVariant value(const QString& name) const { return m_values.value(name); }
    QString text(const QString& name) const;
    const QVariantMap& values() const { return m_values; }

    // Inserts the record. False when the table refuses it (a key that exists already); other
    // failures throw DatabaseError.
    bool store(Database& db) const { return insert(db, m_table, m_values); }
    // The same for a record built otherwise.
    static bool insert(Database& db, const TableDef& table, const QVariantMap& values);

private:
    void addMemoLine(const QString& name, const QString& line);

    const TableDef& m_table;
    const FieldAliases& m_aliases;
    QVariantMap m_values;
    QStringList m_memoLines;
};

} // namespace korbelant
