#include "core/DatabaseBackup.h"

#include "core/DataHome.h"
#include "core/DataTextFiles.h"
#include "core/Database.h"
#include "core/DatabaseError.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

DatabaseBackup::DatabaseBackup(Database& db, const DataHome& home)
    : DatabaseBackup(db, home, home.backupDir())
{
}

DatabaseBackup::DatabaseBackup(Database& db, const DataHome& home, QString targetDir)
    : m_db(db), m_home(home), m_target(std::move(targetDir))
{
}

QStringList DatabaseBackup::BackupDatabase()
{
    QStringList failures;
    const QString& target = m_target;
    if (!QDir().mkpath(target))
        return {QStringLiteral("Das Sicherungsverzeichnis %1 kann nicht angelegt werden.").arg(target)};
    try {
        m_db.backupTo(target + QLatin1Char('/') + QFileInfo(m_db.path()).fileName());
    } catch (const DatabaseError& e) {
        failures << e.message();
    }
    failures << DataTextFiles::copy(m_home.dbDir(), target);
    return failures;
}

} // namespace korbelant
