#include "core/DataTextFiles.h"

#include <QDir>
#include <QFile>

namespace korbelant {

QStringList DataTextFiles::names(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files);
}

QStringList DataTextFiles::copy(const QString& from, const QString& to)
{
    QStringList failures;
    const QDir source(from);
    const QDir target(to);
    for (const QString& name : names(from)) {
        const QString copy = target.filePath(name);
        QFile::remove(copy);
        if (!QFile::copy(source.filePath(name), copy))
            failures << QStringLiteral("Die Datei %1 kann nicht gesichert werden.").arg(name);
    }
    return failures;
}

} // namespace korbelant
