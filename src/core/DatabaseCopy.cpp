#include "core/DatabaseCopy.h"

#include "core/Database.h"
#include "core/DatabaseError.h"

#include <QFile>
#include <sqlite3.h>

namespace korbelant {

namespace {

// Copies every page of the source into the target connection's main database.
int copyPages(sqlite3* target, sqlite3* source)
{
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup)
        return sqlite3_errcode(target);
    int rc = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE)
        rc = finished;
    return rc;
}

} // namespace

RowCounts::Counts DatabaseCopy::copyTo(Database& db, const QString& targetFile)
{
    const QString temporary = targetFile + QStringLiteral(".neu");
    QFile::remove(temporary);
    // The counts and the pages come from one snapshot: a read transaction of its own unless the
    // connection is already inside one.
    const bool ownTransaction = sqlite3_get_autocommit(db.handle()) != 0;
    if (ownTransaction)
        db.execScript(QStringLiteral("BEGIN"));
    RowCounts::Counts counts;
    sqlite3* target = nullptr;
    int rc = SQLITE_OK;
    QString detail;
    try {
        counts = RowCounts::of(db.handle());
        rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &target,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc == SQLITE_OK)
            rc = copyPages(target, db.handle());
        // The copy takes the data set's write-ahead mode with its pages; as a file of its own it is
        // better off without, so that reading it leaves no -wal and -shm files beside it.
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(target, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        detail = rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errmsg(target));
    } catch (const DatabaseError& e) {
        rc = e.code() ? e.code() : SQLITE_ERROR;
        detail = e.message();
    }
    sqlite3_close_v2(target);
    if (ownTransaction)
        sqlite3_exec(db.handle(), "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        QFile::remove(temporary);
        throw DatabaseError(
            QStringLiteral("Die Datensicherung nach %1 ist fehlgeschlagen (%2).").arg(targetFile, detail),
            rc);
    }
    QFile::remove(targetFile);
    if (!QFile::rename(temporary, targetFile)) {
        QFile::remove(temporary);
        throw DatabaseError(
            QStringLiteral("Die Datensicherung %1 kann nicht geschrieben werden.").arg(targetFile));
    }
    return counts;
}

void DatabaseCopy::restoreFrom(Database& db, const QString& sourceFile)
{
    sqlite3* source = nullptr;
    int rc =
        sqlite3_open_v2(QFile::encodeName(sourceFile).constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    // A kept statement still prepared would hold the data set against the copy.
    db.schemaChanged();
    if (rc == SQLITE_OK)
        rc = copyPages(db.handle(), source);
    sqlite3_close_v2(source);
    db.schemaChanged();
    if (rc != SQLITE_OK)
        throw DatabaseError(QStringLiteral("Der Datenbestand kann nicht aus %1 zurückgeholt werden (%2).")
                                .arg(sourceFile, QString::fromUtf8(sqlite3_errstr(rc))),
                            rc);
}

} // namespace korbelant
