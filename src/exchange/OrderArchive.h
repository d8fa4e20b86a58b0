#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// Puts a file into a ZIP archive in the exchange folder, the other entries of an existing archive
// kept. The new archive is written beside it under a temporary name and then renamed over it, so
// an interrupted or failed write leaves the archive as it was (or none). Throws ArchiveError.
class OrderArchive
{
public:
    static void put(const QString& archivePath, const QString& entryName, const QByteArray& bytes);

private:
    static QString temporaryCopy(const QString& archivePath);
    static void replace(const QString& temporary, const QString& archivePath);
};

} // namespace korbelant
