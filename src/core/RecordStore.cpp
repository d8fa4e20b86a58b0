#include "core/RecordStore.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/SqlName.h"
#include "core/StorageForm.h"
#include "core/TableDef.h"

namespace korbelant {

std::vector<QVariantMap> RecordStore::select(Database& db, const TableDef& table, const QString& where, const QVariantList& params,
                                             const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(SqlName::quoteList(table.fieldNames()), SqlName::quote(table.name), where);
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    Statement st = db.prepare(sql);
    st.bindAll(params);
    std::vector<QVariantMap> records;
    while (st.next()) {
        QVariantMap record;
        for (int i = 0; i < static_cast<int>(table.fields.size()); ++i)
            record.insert(table.fields[i].name, StorageForm::fromStorage(table.fields[i], st.value(i)));
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<QVariantMap> RecordStore::selectOne(Database& db, const TableDef& table, const QString& where, const QVariantList& params)
{
    auto records = select(db, table, where + QStringLiteral(" LIMIT 1"), params);
    if (records.empty())
        return std::nullopt;
    return std::move(records.front());
}

int RecordStore::update(Database& db, const TableDef& table, const QVariantMap& values, const QStringList& keyFields)
{
    QStringList assignments;
    QVariantList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = table.field(it.key());
        if (!field)
            throw DatabaseError(QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 nicht.").arg(it.key(), table.name));
        if (field->type == FieldDef::Type::AutoInc || keyFields.contains(field->name))
            continue;
        assignments << SqlName::quote(field->name) + QStringLiteral(" = ?");
        params << StorageForm::toStorage(*field, it.value());
    }
    QStringList conditions;
    for (const QString& key : keyFields) {
        const FieldDef* field = table.field(key);
        conditions << SqlName::quote(key) + QStringLiteral(" = ?");
        params << (field ? StorageForm::toStorage(*field, values.value(key)) : values.value(key));
    }
    if (assignments.isEmpty())
        return 0;
    db.run(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
               .arg(SqlName::quote(table.name), assignments.join(QStringLiteral(", ")), conditions.join(QStringLiteral(" AND "))),
           params);
    return db.changes();
}

} // namespace korbelant
