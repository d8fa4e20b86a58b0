#include "core/Database.h"

#include "core/DatabaseCopy.h"
#include "core/DatabaseError.h"
#include "core/GermanCollation.h"
#include "core/SqlName.h"
#include "core/StorageForm.h"
#include "core/TableDef.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace korbelant {

namespace {

QString engineMessage(sqlite3* db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("kein Speicher");
}

// More distinct statements than this, and the kept ones are dropped to be kept anew.
constexpr qsizetype kKeptStatements = 200;

} // namespace

Database::Database(sqlite3* db, QString path) : m_db(db), m_path(std::move(path)) {}

Database::~Database()
{
    m_statements.clear();
    sqlite3_close_v2(m_db);
}

std::unique_ptr<Database> Database::open(const QString& path, Mode mode)
{
    if (mode == Mode::OpenExisting && !QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(path));
    sqlite3* raw = nullptr;
    // A connection belongs to the thread that opened it; without the connection's own mutex each
    // column read of a long result costs a lock less.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = engineMessage(raw);
        sqlite3_close_v2(raw);
        throw DatabaseError(
            QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden (%2).").arg(path, detail), rc);
    }
    std::unique_ptr<Database> db(new Database(raw, path));
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, 5000);
    GermanCollation::registerWith(raw);
    try {
        // The first read tells a damaged file or a file of another kind.
        db->scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
        // Reading through a mapping of the file spares a copy per page on the long reads of the
        // statistics; writes still go through the journal.
        db->execScript(
            QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF; "
                           "PRAGMA mmap_size=268435456"));
    } catch (const DatabaseError& e) {
        throw DatabaseError(
            QStringLiteral("Die Datenbank %1 ist beschädigt oder keine Korbelant-Datenbank (%2).")
                .arg(path, engineMessage(raw)),
            e.code());
    }
    return db;
}

Statement Database::prepare(const QString& sql)
{
    return Statement(m_db, sql);
}

CachedStatement Database::cached(const QString& sql)
{
    const auto found = m_statements.constFind(sql);
    if (found != m_statements.cend()) {
        // Still lent out (the same SQL run again while its rows are read): one of its own.
        if (found.value().use_count() > 1)
            return CachedStatement(std::make_shared<Statement>(m_db, sql));
        return CachedStatement(found.value());
    }
    auto statement = std::make_shared<Statement>(m_db, sql);
    if (m_statements.size() >= kKeptStatements)
        m_statements.clear();
    m_statements.insert(sql, statement);
    return CachedStatement(std::move(statement));
}

void Database::schemaChanged()
{
    m_statements.clear();
}

void Database::run(const QString& sql, const QVariantList& params)
{
    CachedStatement st = cached(sql);
    st->bindAll(params).run();
}

void Database::execScript(const QString& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : engineMessage(m_db);
        sqlite3_free(error);
        throw DatabaseError(QStringLiteral("Datenbankfehler: %1").arg(message),
                            sqlite3_extended_errcode(m_db));
    }
}

QVariant Database::scalar(const QString& sql, const QVariantList& params)
{
    CachedStatement st = cached(sql);
    st->bindAll(params);
    return st->next() ? st->value(0) : QVariant();
}

std::vector<QVariantList> Database::rows(const QString& sql, const QVariantList& params)
{
    CachedStatement st = cached(sql);
    st->bindAll(params);
    std::vector<QVariantList> result;
    while (st->next()) {
        QVariantList row;
        row.reserve(st->columnCount());
        for (int c = 0; c < st->columnCount(); ++c)
            row << st->value(c);
        result.push_back(std::move(row));
    }
    return result;
}

bool Database::tableExists(const QString& table)
{
    return scalar(QStringLiteral(
                      "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                  {table})
               .toInt() > 0;
}

QStringList Database::columns(const QString& table)
{
    QStringList names;
    Statement st(m_db, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    st.bind(1, table);
    while (st.next())
        names << st.text(0);
    return names;
}

qint64 Database::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

qint64 Database::insert(const TableDef& table, const QVariantMap& values)
{
    QStringList names;
    QStringList marks;
    QVariantList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = table.field(it.key());
        if (!field)
            throw DatabaseError(
                QStringLiteral("Das Feld %1 gibt es in der Tabelle %2 nicht.").arg(it.key(), table.name));
        if (field->type == FieldDef::Type::AutoInc)
            continue;
        names << SqlName::quote(field->name);
        marks << QStringLiteral("?");
        params << StorageForm::toStorage(*field, it.value());
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(SqlName::quote(table.name))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(SqlName::quote(table.name), names.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", ")));
    run(sql, params);
    return lastInsertRowId();
}

qint64 Database::insertReturningAutoInc(const TableDef& table, const QVariantMap& values)
{
    const qint64 rowid = insert(table, values);
    const FieldDef* autoInc = table.autoIncField();
    if (!autoInc)
        return rowid;
    return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                      .arg(SqlName::quote(autoInc->name), SqlName::quote(table.name)),
                  {rowid})
        .toLongLong();
}

void Database::backupTo(const QString& targetFile)
{
    DatabaseCopy::copyTo(*this, targetFile);
}

} // namespace korbelant
