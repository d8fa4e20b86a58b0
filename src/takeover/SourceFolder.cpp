#include "takeover/SourceFolder.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

bool SourceFolder::exists() const
{
    return !m_directory.isEmpty() && QFileInfo(m_directory).isDir();
}

QString SourceFolder::file(const QString& name) const
{
    if (!exists())
        return {};
    const QDir dir(m_directory);
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

} // namespace korbelant
