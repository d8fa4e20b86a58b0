#include "core/TableDef.h"

#include "core/SqlName.h"

namespace korbelant {

const FieldDef* TableDef::field(const QString& fieldName) const
{
    for (const FieldDef& f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : fields)
        names << f.name;
    return names;
}

const FieldDef* TableDef::autoIncField() const
{
    for (const FieldDef& f : fields) {
        if (f.type == FieldDef::Type::AutoInc)
            return &f;
    }
    return nullptr;
}

QString TableDef::createSql(const QString& tableName, const std::vector<FieldDef>& columns) const
{
    QStringList declarations;
    for (const FieldDef& f : columns)
        declarations << f.columnSql();
    return createSqlFromDeclarations(tableName, declarations);
}

QString TableDef::createSqlFromDeclarations(const QString& tableName, const QStringList& declarations) const
{
    QStringList parts = declarations;
    if (!primaryKey.isEmpty())
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(SqlName::quoteList(primaryKey));
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)")
        .arg(SqlName::quote(tableName), parts.join(QStringLiteral(",\n  ")));
}

QString TableDef::orderBy(const QString& indexName) const
{
    for (const IndexDef& index : indexes) {
        if (index.name.compare(indexName, Qt::CaseInsensitive) != 0)
            continue;
        QStringList terms;
        for (const QString& f : index.fields) {
            const FieldDef* def = field(f);
            QString term = SqlName::quote(f);
            if (def && def->isText())
                term += QStringLiteral(" COLLATE GERMAN");
            if (index.descending)
                term += QStringLiteral(" DESC");
            terms << term;
        }
        return terms.join(QStringLiteral(", "));
    }
    return SqlName::quoteList(primaryKey.isEmpty() ? QStringList{QStringLiteral("rowid")} : primaryKey);
}

QString TableDef::createIndexSql(const IndexDef& index) const
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(SqlName::quote(storedIndexName(index.name)), SqlName::quote(name), orderBy(index.name));
}

QStringList TableDef::indexSql() const
{
    QStringList statements;
    for (const IndexDef& index : indexes)
        statements << createIndexSql(index);
    if (const FieldDef* autoInc = autoIncField()) {
        const QString id = SqlName::quote(autoInc->name);
        const QString table = SqlName::quote(name);
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(SqlName::quote(name + QStringLiteral("__autoinc_index")), table, id);
        statements << QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 WHEN NEW.%3 IS NULL BEGIN "
                                     "UPDATE %2 SET %3 = (SELECT IFNULL(MAX(%3), 0) + 1 FROM %2) "
                                     "WHERE rowid = NEW.rowid; END")
                          .arg(SqlName::quote(name + QStringLiteral("__autoinc_trigger")), table, id);
    }
    return statements;
}

} // namespace korbelant
