#include "takeover/OrvelaDatabase.h"

#include "takeover/OdbcDriverMap.h"

#include <QDir>

namespace korbelant {

QString OrvelaDatabase::file(const QString& directory)
{
    const QDir dir(directory);
    if (directory.isEmpty() || !dir.exists())
        return {};
    const QStringList present = dir.entryList(QDir::Files);
    for (const QString& wanted : {QStringLiteral("Korbdat.mdb"), QStringLiteral("Korbdat2000.mdb")}) {
        for (const QString& name : present) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                return dir.filePath(name);
        }
    }
    return {};
}

QStringList OrvelaDatabase::parameters(const QString& databaseFile)
{
    return {QStringLiteral("DBQ=") + databaseFile, QStringLiteral("DefaultDir="),
            QStringLiteral("DriverId=281"),        QStringLiteral("FIL=MS Access"),
            QStringLiteral("MaxBufferSize=2048"),  QStringLiteral("PageTimeout=5"),
            QStringLiteral("UID=admin"),           QStringLiteral("DRIVER=") + OdbcDriverMap::kAccessDriver};
}

} // namespace korbelant
