#include "core/BackupCheck.h"

#include "core/DatabaseError.h"
#include "core/GermanCollation.h"
#include "core/Statement.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace korbelant {

namespace {

// The first line of the engine's integrity check ("ok" for a sound file).
QString integrity(sqlite3* db)
{
    Statement check(db, QStringLiteral("PRAGMA integrity_check"));
    return check.next() ? check.text(0) : QString();
}

std::optional<QString> checkOpened(sqlite3* db, const std::optional<RowCounts::Counts>& expected)
{
    const QString answer = integrity(db);
    if (answer != QStringLiteral("ok"))
        return QStringLiteral("Die Prüfung der Datenbank meldet: %1").arg(answer);
    if (!expected)
        return std::nullopt;
    const QString difference = RowCounts::difference(*expected, RowCounts::of(db));
    if (!difference.isEmpty())
        return difference;
    return std::nullopt;
}

} // namespace

std::optional<QString> BackupCheck::verify(const QString& copyFile,
                                           const std::optional<RowCounts::Counts>& expected)
{
    const auto failed = [&](const QString& why) {
        return QStringLiteral("Die Sicherung %1 ist nicht in Ordnung: %2").arg(copyFile, why);
    };
    if (!QFileInfo(copyFile).isFile())
        return failed(QStringLiteral("Die Datei fehlt."));
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(copyFile).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::optional<QString> problem;
    if (rc != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errstr(rc));
    } else {
        // The indexes on text columns are ordered by the collation; the check compares with it.
        GermanCollation::registerWith(db);
        // The check reads every page, most of them more than once: from memory, not page by page.
        sqlite3_exec(db, "PRAGMA cache_size=-65536; PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
        try {
            problem = checkOpened(db, expected);
        } catch (const DatabaseError& e) {
            problem = e.message();
        }
    }
    sqlite3_close_v2(db);
    if (problem)
        return failed(*problem);
    return std::nullopt;
}

} // namespace korbelant
