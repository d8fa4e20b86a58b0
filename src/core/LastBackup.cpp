#include "core/LastBackup.h"

#include "core/DataHome.h"
#include "core/GermanFormat.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

std::optional<QDate> LastBackup::newest(const QString& backupDir)
{
    const QFileInfoList copies =
        QDir(backupDir).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Time);
    if (copies.isEmpty())
        return std::nullopt;
    return copies.constFirst().lastModified().date();
}

QString LastBackup::shown(const DataHome& home)
{
    const auto day = newest(home.backupDir());
    return day ? GermanFormat::date(*day) : kNone;
}

} // namespace korbelant
