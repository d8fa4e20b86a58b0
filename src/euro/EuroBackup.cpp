#include "euro/EuroBackup.h"

#include "core/DataHome.h"
#include "core/DataTextFiles.h"
#include "core/Database.h"
#include "core/DatabaseBackup.h"
#include "core/DatabaseCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void EuroBackup::restore()
{
    // The copy replaces every page of the open data set in one transaction of the target, so that
    // nothing half restored can remain.
    DatabaseCopy::restoreFrom(m_db, copyOfDatabase());
    DataTextFiles::copy(directory(m_home), m_home.dbDir());
}

} // namespace korbelant
