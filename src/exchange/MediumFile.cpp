#include "exchange/MediumFile.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

QString MediumFile::find(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QStringList found = dir.entryList({name}, QDir::Files | QDir::Hidden, QDir::Name);
    return dir.filePath(found.isEmpty() ? name : found.first());
}

bool MediumFile::exists(const QString& folder, const QString& name)
{
    return QFileInfo(find(folder, name)).isFile();
}

} // namespace korbelant
