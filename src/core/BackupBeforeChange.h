#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

class Database;
class UiPort;

// The backup an operation that changes many records at once makes before it starts (customer
// merge, article import, Euro conversion, emptying the tables, the takeovers): a checked backup
// of the day in DBSicher/. When it cannot be made the operation does not start, for a change
// that cannot be undone must not run without a way back.
class BackupBeforeChange
{
public:
    static inline const QString kFailed = QStringLiteral(
        "Vor der Änderung konnte keine Datensicherung angelegt werden. Es wurde nichts geändert.");

    // True when the backup is made; otherwise the failure has been appended to ExceptList.EXC and
    // shown, and the caller stops.
    static bool make(Database& db, UiPort& ui, const QDate& day = QDate::currentDate());
    // The same for a caller that shows the message itself: nullopt when the backup is made,
    // otherwise the message to show (already appended to ExceptList.EXC).
    static std::optional<QString> failure(Database& db, const QDate& day = QDate::currentDate());
};

} // namespace korbelant
