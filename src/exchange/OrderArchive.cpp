#include "exchange/OrderArchive.h"

#include "core/SystemErrorText.h"
#include "exchange/ArchiveError.h"
#include "exchange/ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace korbelant {

namespace {

ArchiveError writeError(const QString& path, int error)
{
    return ArchiveError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                            .arg(path, SystemErrorText::fromErrno(error)));
}

// The written archive reaches the disk before it takes the place of the old one.
void flushToDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw writeError(path, error);
    }
    ::close(fd);
}

} // namespace

void OrderArchive::put(const QString& archivePath, const QString& entryName, const QByteArray& bytes)
{
    const QString temporary = temporaryCopy(archivePath);
    try {
        const bool existing = QFileInfo(temporary).size() > 0;
        ZipArchive zip(temporary, existing ? 0 : ZIP_CREATE | ZIP_TRUNCATE);
        zip.put(entryName, bytes);
        zip.close();
        flushToDisk(temporary);
        replace(temporary, archivePath);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

// An empty file of a new name beside the archive, or a copy of the existing archive.
QString OrderArchive::temporaryCopy(const QString& archivePath)
{
    QTemporaryFile file(archivePath + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    errno = 0;
    if (!file.open())
        throw writeError(archivePath, errno ? errno : EACCES);
    const QString temporary = file.fileName();
    const bool existing = QFileInfo::exists(archivePath);
    file.setPermissions(existing
                            ? QFile::permissions(archivePath)
                            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (existing) {
        QFile source(archivePath);
        errno = 0;
        const bool copied =
            source.open(QIODevice::ReadOnly) && file.write(source.readAll()) == source.size() && file.flush();
        if (!copied) {
            const int error = errno ? errno : EIO;
            file.close();
            QFile::remove(temporary);
            throw writeError(archivePath, error);
        }
    }
    file.close();
    return temporary;
}

void OrderArchive::replace(const QString& temporary, const QString& archivePath)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(archivePath).constData()) !=
        0)
        throw writeError(archivePath, errno);
}

} // namespace korbelant
