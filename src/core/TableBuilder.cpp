#include "core/TableBuilder.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "core/SqlName.h"
#include "core/Transaction.h"

namespace korbelant {

namespace {

// The columns the rebuilt table keeps: every stored column in its stored order, declared by the
// definition where the definition knows it, else as stored.
struct KeptColumn
{
    QString name;
    QString declaration;
    QString copyExpression; // reads the old value in a form the new declaration accepts
};

std::vector<KeptColumn> keptColumns(Database& db, const TableDef& def)
{
    std::vector<KeptColumn> kept;
    Statement info = db.prepare(QStringLiteral("SELECT name, type, dflt_value FROM pragma_table_info(?)"));
    info.bind(1, def.name);
    while (info.next()) {
        const QString stored = info.text(0);
        const QString quoted = SqlName::quote(stored);
        if (const FieldDef* known = def.field(stored)) {
            QString expr = quoted;
            if (known->type == FieldDef::Type::Alpha)
                expr = QStringLiteral("substr(%1, 1, %2)").arg(quoted).arg(known->width);
            else if (known->type == FieldDef::Type::Logical)
                expr = QStringLiteral("CASE WHEN %1 IS NULL THEN NULL WHEN %1 THEN 1 ELSE 0 END").arg(quoted);
            kept.push_back({known->name, known->columnSql(), expr});
        } else {
            // A column the definition does not know: kept untouched, declared as before.
            QString declaration = quoted + QLatin1Char(' ') + info.text(1);
            if (!info.value(2).isNull())
                declaration += QStringLiteral(" DEFAULT ") + info.text(2);
            kept.push_back({stored, declaration, quoted});
        }
    }
    return kept;
}

QStringList declarationsOf(const std::vector<KeptColumn>& kept)
{
    QStringList declarations;
    for (const KeptColumn& k : kept)
        declarations << k.declaration;
    return declarations;
}

} // namespace

TableBuilder::Outcome TableBuilder::RepairTables(const Progress& progress)
{
    Outcome outcome = build(Schema::createdTables(), progress);
    outcome.weekRecordsAdded = addMissingWeekRecords();
    return outcome;
}

TableBuilder::Outcome TableBuilder::PrepareWorkTables()
{
    return build(Schema::workTables(), {});
}

QStringList TableBuilder::createMissing(const std::vector<TableDef>& definitions)
{
    QStringList created;
    for (const TableDef& def : definitions) {
        if (m_db.tableExists(def.name))
            continue;
        createTable(def);
        created << def.name;
    }
    return created;
}

TableBuilder::Outcome TableBuilder::build(const std::vector<TableDef>& definitions, const Progress& progress)
{
    Outcome outcome;
    int step = 0;
    for (const TableDef& def : definitions) {
        if (progress)
            progress(++step, static_cast<int>(definitions.size()));
        if (m_db.tableExists(def.name)) {
            rebuildTable(def);
            outcome.rebuilt << def.name;
            continue;
        }
        try {
            createTable(def);
            outcome.created << def.name;
        } catch (const DatabaseError&) {
            outcome.skipped << def.name;
        }
    }
    m_db.schemaChanged();
    m_db.execScript(QStringLiteral("VACUUM"));
    return outcome;
}

void TableBuilder::createTable(const TableDef& def)
{
    Transaction tx(m_db);
    m_db.execScript(def.createSql());
    for (const QString& sql : def.indexSql())
        m_db.execScript(sql);
    tx.commit();
    m_db.schemaChanged();
}

void TableBuilder::rebuildTable(const TableDef& def)
{
    const std::vector<KeptColumn> kept = keptColumns(m_db, def);
    const QString wanted = def.createSqlFromDeclarations(def.name, declarationsOf(kept));
    const QString stored =
        m_db.scalar(QStringLiteral("SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?"),
                    {def.name})
            .toString();
    if (stored == wanted) {
        recreateIndexes(def);
        return;
    }
    const QString temporary = def.name + QStringLiteral("__neu");
    QStringList names, expressions;
    for (const KeptColumn& k : kept) {
        names << SqlName::quote(k.name);
        expressions << k.copyExpression;
    }
    try {
        Transaction tx(m_db);
        m_db.execScript(QStringLiteral("DROP TABLE IF EXISTS %1").arg(SqlName::quote(temporary)));
        m_db.execScript(def.createSqlFromDeclarations(temporary, declarationsOf(kept)));
        m_db.execScript(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4")
                            .arg(SqlName::quote(temporary), names.join(QStringLiteral(", ")),
                                 expressions.join(QStringLiteral(", ")), SqlName::quote(def.name)));
        m_db.execScript(QStringLiteral("DROP TABLE %1").arg(SqlName::quote(def.name)));
        m_db.execScript(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                            .arg(SqlName::quote(temporary), SqlName::quote(def.name)));
        for (const QString& sql : def.indexSql())
            m_db.execScript(sql);
        tx.commit();
        m_db.schemaChanged();
    } catch (const DatabaseError& e) {
        throw DatabaseError(
            QStringLiteral("Die Tabelle %1 kann nicht neu aufgebaut werden: %2").arg(def.name, e.message()),
            e.code());
    }
}

void TableBuilder::recreateIndexes(const TableDef& def)
{
    // Indexes and triggers that differ from the definition are made anew; the ones that match
    // are rebuilt by the compaction that follows every repair.
    QStringList wanted = def.indexSql();
    Transaction tx(m_db);
    const auto existing =
        m_db.rows(QStringLiteral("SELECT type, name, sql FROM sqlite_schema WHERE tbl_name = ? "
                                 "AND type IN ('index', 'trigger') AND sql IS NOT NULL"),
                  {def.name});
    for (const QVariantList& row : existing) {
        if (wanted.removeOne(row.at(2).toString()))
            continue;
        const QString kind = row.at(0).toString() == QStringLiteral("index") ? QStringLiteral("INDEX")
                                                                             : QStringLiteral("TRIGGER");
        m_db.execScript(QStringLiteral("DROP %1 %2").arg(kind, SqlName::quote(row.at(1).toString())));
    }
    for (const QString& sql : wanted)
        m_db.execScript(sql);
    tx.commit();
    m_db.schemaChanged();
}

int TableBuilder::addMissingWeekRecords()
{
    try {
        if (!m_db.tableExists(QStringLiteral("Tuppkopf")) || !m_db.tableExists(QStringLiteral("MWoche")))
            return 0;
        m_db.run(QStringLiteral("INSERT INTO MWoche (MWoche) SELECT DISTINCT k.MWoche FROM Tuppkopf k "
                                "WHERE IFNULL(k.MWoche, '') <> '' "
                                "AND NOT EXISTS (SELECT 1 FROM MWoche w WHERE w.MWoche = k.MWoche)"));
        return m_db.changes();
    } catch (const DatabaseError&) {
        return 0; // failures of this step are passed over
    }
}

} // namespace korbelant
