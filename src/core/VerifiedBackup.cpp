#include "core/VerifiedBackup.h"

#include "core/BackupCheck.h"
#include "core/DataHome.h"
#include "core/DataTextFiles.h"
#include "core/Database.h"
#include "core/DatabaseCopy.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/FileLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korbelant {

namespace {

void removeDirectory(const QString& path)
{
    QDir(path).removeRecursively();
}

} // namespace

VerifiedBackup::VerifiedBackup(Database& db, const DataHome& home) : m_db(db), m_home(home), m_kept(home) {}

VerifiedBackup::Pending VerifiedBackup::copy(const QDate& day)
{
    Pending pending;
    // A caller without a day of its own backs up as of today.
    pending.day = day.isValid() ? day : QDate::currentDate();
    pending.directory = m_kept.dayDirectory(pending.day) + KeptBackups::kNewSuffix;
    pending.databaseFile = QDir(pending.directory).filePath(KeptBackups::kDatabaseName);
    m_kept.tidyUp();
    if (!QDir().mkpath(pending.directory))
        throw DatabaseError(QStringLiteral("Das Sicherungsverzeichnis %1 kann nicht angelegt werden.")
                                .arg(pending.directory));
    try {
        pending.counts = DatabaseCopy::copyTo(m_db, pending.databaseFile);
        const QStringList failures = DataTextFiles::copy(m_home.dbDir(), pending.directory);
        if (!failures.isEmpty())
            throw DatabaseError(failures.join(QLatin1Char(' ')));
    } catch (const DatabaseError&) {
        removeDirectory(pending.directory);
        throw;
    }
    return pending;
}

std::optional<QString> VerifiedBackup::keep(const Pending& pending)
{
    if (const auto problem = BackupCheck::verify(pending.databaseFile, pending.counts)) {
        removeDirectory(pending.directory);
        return problem;
    }
    if (const auto problem = replaceDay(pending))
        return problem;
    refreshLatestCopy(pending);
    m_kept.removeOld();
    return std::nullopt;
}

// The day's older backup goes aside first and is removed only once the new one is in its place.
std::optional<QString> VerifiedBackup::replaceDay(const Pending& pending)
{
    const QString day = m_kept.dayDirectory(pending.day);
    const QString old = day + KeptBackups::kOldSuffix;
    removeDirectory(old);
    const bool hadOne = QFileInfo(day).isDir();
    if (hadOne && !QDir().rename(day, old)) {
        removeDirectory(pending.directory);
        return QStringLiteral("Die Sicherung %1 kann nicht ersetzt werden.").arg(day);
    }
    if (!QDir().rename(pending.directory, day)) {
        if (hadOne)
            QDir().rename(old, day);
        removeDirectory(pending.directory);
        return QStringLiteral("Die Sicherung %1 kann nicht angelegt werden.").arg(day);
    }
    removeDirectory(old);
    return std::nullopt;
}

// DBSicher/ itself keeps the newest copy as well, as the weekly backup always left it there.
void VerifiedBackup::refreshLatestCopy(const Pending& pending)
{
    const QString day = m_kept.dayDirectory(pending.day);
    const QDir target(m_kept.directory());
    FileLink::linkOrCopy(QDir(day).filePath(KeptBackups::kDatabaseName),
                         target.filePath(QFileInfo(m_db.path()).fileName()));
    for (const QString& name : DataTextFiles::names(day))
        FileLink::linkOrCopy(QDir(day).filePath(name), target.filePath(name));
}

std::optional<KeptBackup> VerifiedBackup::make(const QDate& day, UiPort* ui)
{
    std::optional<QString> problem;
    try {
        problem = keep(copy(day));
    } catch (const DatabaseError& e) {
        problem = e.message();
    }
    if (problem) {
        ErrorLog(m_home.errorLogFile()).LogException(*problem, ui == nullptr, ui);
        return std::nullopt;
    }
    return m_kept.ofDay(day.isValid() ? day : QDate::currentDate());
}

} // namespace korbelant
