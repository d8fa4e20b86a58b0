#include "core/BackupBeforeChange.h"

#include "core/DataHome.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/UiPort.h"
#include "core/VerifiedBackup.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

namespace {

// The data home of the open data set: its database file lies in DB/ of the home.
DataHome homeOf(const Database& db)
{
    return DataHome(QFileInfo(db.path()).absoluteDir().absoluteFilePath(QStringLiteral("..")));
}

} // namespace

std::optional<QString> BackupBeforeChange::failure(Database& db, const QDate& day)
{
    const DataHome home = homeOf(db);
    VerifiedBackup backup(db, home);
    std::optional<QString> problem;
    try {
        problem = backup.keep(backup.copy(day));
    } catch (const DatabaseError& e) {
        problem = e.message();
    }
    if (!problem)
        return std::nullopt;
    ErrorLog(home.errorLogFile()).LogException(*problem, true);
    return *problem + QStringLiteral("\n\n") + kFailed;
}

bool BackupBeforeChange::make(Database& db, UiPort& ui, const QDate& day)
{
    const auto problem = failure(db, day);
    if (problem)
        ui.error(*problem);
    return !problem;
}

} // namespace korbelant
