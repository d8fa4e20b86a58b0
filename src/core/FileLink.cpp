#include "core/FileLink.h"

#include <QFile>
#include <unistd.h>

namespace korbelant {

bool FileLink::linkOrCopy(const QString& from, const QString& to)
{
    const QString temporary = to + QStringLiteral(".neu");
    QFile::remove(temporary);
    const bool linked =
        ::link(QFile::encodeName(from).constData(), QFile::encodeName(temporary).constData()) == 0;
    if (!linked && !QFile::copy(from, temporary))
        return false;
    QFile::remove(to);
    if (QFile::rename(temporary, to))
        return true;
    QFile::remove(temporary);
    return false;
}

} // namespace korbelant
