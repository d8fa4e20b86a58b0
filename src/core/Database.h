#pragma once

#include "core/CachedStatement.h"
#include "core/Statement.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <memory>
#include <vector>

struct sqlite3;

namespace korbelant {

struct TableDef;

// The connection to the data set (one SQLite file holding every table). All SQL of the program
// runs through it. Failures throw DatabaseError with a German message.
class Database
{
public:
    enum class Mode
    {
        OpenExisting,
        CreateIfMissing
    };

    static std::unique_ptr<Database> open(const QString& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    Statement prepare(const QString& sql);
    // A statement that stays prepared for the next time the same SQL runs (the connection keeps
    // the statements it has run most recently, until the tables change). run(), scalar(), rows()
    // and the inserts use it; SQL text never carries values, so the kept statements stay few.
    CachedStatement cached(const QString& sql);
    // Drops every kept statement. Whatever creates, rebuilds or alters tables or indexes calls it.
    void schemaChanged();
    // Runs one statement with positional parameters.
    void run(const QString& sql, const QVariantList& params = {});
    // Runs several statements separated by ';' without parameters.
    void execScript(const QString& sql);
    // First column of the first row, or an invalid QVariant.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    std::vector<QVariantList> rows(const QString& sql, const QVariantList& params = {});

    bool tableExists(const QString& table);
    QStringList columns(const QString& table);
    qint64 lastInsertRowId() const;
    int changes() const;

    // Inserts a record; values are named by field and converted to their storage form (texts
    // cut to the field width, empty text as NULL). Auto-increment fields are assigned by the
    // table. Returns the new record's rowid.
    qint64 insert(const TableDef& table, const QVariantMap& values);
    // Inserts and returns the auto-increment number the table assigned to the new record.
    qint64 insertReturningAutoInc(const TableDef& table, const QVariantMap& values);

    // A consistent copy of the whole data set into a new file (an existing one is replaced).
    void backupTo(const QString& targetFile);

private:
    Database(sqlite3* db, QString path);

    sqlite3* m_db;
    QString m_path;
    QHash<QString, std::shared_ptr<Statement>> m_statements;
};

} // namespace korbelant
