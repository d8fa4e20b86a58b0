#include "euro/EuroBackup.h"

#include "core/DataHome.h"
#include "core/Database.h"
#include "core/DatabaseBackup.h"
#include "core/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace korbelant {

QString EuroBackup::directory(const DataHome& home)
{
    return home.path(QStringLiteral("DMDB"));
}

QString EuroBackup::copyOfDatabase() const
{
    return QDir(directory(m_home)).filePath(QFileInfo(m_home.databaseFile()).fileName());
}

bool EuroBackup::exists() const
{
    return QFileInfo::exists(copyOfDatabase());
}

QStringList EuroBackup::make()
{
    return DatabaseBackup(m_db, m_home, directory(m_home)).BackupDatabase();
}

// The engine's backup run the other way: the copy replaces every page of the open data set in one
// transaction of the target, so that nothing half restored can remain.
void EuroBackup::restoreDatabase()
{
    sqlite3* source = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(copyOfDatabase()).constData(), &source, SQLITE_OPEN_READONLY,
                             nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* restore = sqlite3_backup_init(m_db.handle(), "main", source, "main");
        rc = restore ? sqlite3_backup_step(restore, -1) : sqlite3_errcode(m_db.handle());
        if (restore)
            sqlite3_backup_finish(restore);
    }
    sqlite3_close_v2(source);
    m_db.schemaChanged();
    if (rc != SQLITE_DONE)
        throw DatabaseError(QStringLiteral("Der Datenbestand kann nicht aus %1 zurückgeholt werden (%2).")
                                .arg(copyOfDatabase(), QString::fromUtf8(sqlite3_errstr(rc))),
                            rc);
}

void EuroBackup::restore()
{
    restoreDatabase();
    const QDir backup(directory(m_home));
    const QDir db(m_home.dbDir());
    for (const QString& name :
         backup.entryList({QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files)) {
        QFile::remove(db.filePath(name));
        QFile::copy(backup.filePath(name), db.filePath(name));
    }
}

} // namespace korbelant
