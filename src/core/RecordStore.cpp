#include "core/RecordStore.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/SqlName.h"
#include "core/StorageForm.h"
#include "core/TableDef.h"

namespace korbelant {

namespace {

const FieldDef& fieldOf(const TableDef& table, const QString& name)
{
    const FieldDef* field = table.field(name);
    if (!field)
        throw DatabaseError(
            QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 nicht.").arg(name, table.name));
    return *field;
}

// The definition of each column of a statement on the table; nullptr for a column the
// definition does not know. Stored columns mostly come in the definition's order.
std::vector<const FieldDef*> columnFields(const Statement& st, const TableDef& table)
{
    std::vector<const FieldDef*> fields;
    const int defined = static_cast<int>(table.fields.size());
    for (int c = 0; c < st.columnCount(); ++c) {
        const bool inOrder = c < defined && st.hasColumnName(c, table.fields[c].name);
        fields.push_back(inOrder ? &table.fields[c] : table.field(st.columnName(c)));
    }
    return fields;
}

// A key value compared as the stored records hold it. Texts go as given: a key longer than its
// field finds no record instead of the one its first characters name.
QVariant keyValue(const FieldDef& field, const QVariant& value)
{
    return field.isText() ? value : StorageForm::toStorage(field, value);
}

} // namespace

std::vector<QVariantMap> RecordStore::select(Database& db, const TableDef& table, const QString& where,
                                             const QVariantList& params, const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2").arg(SqlName::quote(table.name), where);
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    CachedStatement st = db.cached(sql);
    st->bindAll(params);
    const std::vector<const FieldDef*> fields = columnFields(*st, table);
    std::vector<QVariantMap> records;
    while (st->next()) {
        QVariantMap record;
        for (int c = 0; c < static_cast<int>(fields.size()); ++c) {
            if (fields[c])
                record.insert(fields[c]->name, StorageForm::fromStorage(*fields[c], st->value(c)));
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<QVariantMap> RecordStore::selectOne(Database& db, const TableDef& table, const QString& where,
                                                  const QVariantList& params)
{
    auto records = select(db, table, where + QStringLiteral(" LIMIT 1"), params);
    if (records.empty())
        return std::nullopt;
    return std::move(records.front());
}

int RecordStore::update(Database& db, const TableDef& table, const QVariantMap& values,
                        const QVariantMap& key)
{
    QStringList assignments;
    QVariantList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef& field = fieldOf(table, it.key());
        if (field.type == FieldDef::Type::AutoInc)
            continue;
        assignments << SqlName::quote(field.name) + QStringLiteral(" = ?");
        params << StorageForm::toStorage(field, it.value());
    }
    if (assignments.isEmpty())
        return 0;
    QStringList conditions;
    for (auto it = key.cbegin(); it != key.cend(); ++it) {
        const FieldDef& field = fieldOf(table, it.key());
        conditions << SqlName::quote(field.name) + QStringLiteral(" = ?");
        params << keyValue(field, it.value());
    }
    db.run(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
               .arg(SqlName::quote(table.name), assignments.join(QStringLiteral(", ")),
                    conditions.join(QStringLiteral(" AND "))),
           params);
    return db.changes();
}

int RecordStore::update(Database& db, const TableDef& table, const QVariantMap& values,
                        const QStringList& keyFields)
{
    QVariantMap written;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef& field = fieldOf(table, it.key());
        if (!keyFields.contains(field.name))
            written.insert(field.name, it.value());
    }
    QVariantMap key;
    for (const QString& name : keyFields)
        key.insert(name, values.value(name));
    return update(db, table, written, key);
}

} // namespace korbelant
