#pragma once

#include <QString>
#include <optional>

namespace korbelant {

class ZipArchive;

// Unpacks an archive received from the distributor into one directory and nowhere else. Every
// entry is checked before the first is written: a name with an absolute path, a drive letter or
// "..", a symbolic link, or a path that leads through a link out of the directory refuses the whole
// archive, and nothing of it is written. Names may use "\" as well as "/".
class ArchiveExtractor
{
public:
    // The number of files written; throws ArchiveError for a refused or unreadable archive.
    static int extract(const QString& archivePath, const QString& directory);
    // Why an entry name may not be unpacked; nullopt when it may.
    static std::optional<QString> refusal(const QString& name);

private:
    static void checkAll(const ZipArchive& zip, const QString& directory);
    static bool leavesDirectory(const QString& directory, const QString& relative);
    static void write(const QString& path, const QByteArray& bytes);
};

} // namespace korbelant
