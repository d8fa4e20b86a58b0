#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant::test {

// ZIP archives made and read by common tools, not by the program: python3's zipfile and unzip.
struct ZipEntry
{
    QString name;
    QByteArray bytes;
    bool symlink = false; // a Unix symbolic link whose target is `bytes`
};

// Writes an archive with the entries as named (no name is cleaned up); none gives an empty archive.
void makeZip(const QString& path, const std::vector<ZipEntry>& entries);

struct ZipListing
{
    QStringList names;
    std::vector<int> compression; // zipfile's compress_type per entry: 8 is deflate
    bool intact = false;          // every entry's check sum is right
};
ZipListing listZip(const QString& path);
// An entry read by python3's zipfile and by "unzip -p"; empty when either tool fails.
QByteArray zipEntryByPython(const QString& path, const QString& name);
QByteArray zipEntryByUnzip(const QString& path, const QString& name);

} // namespace korbelant::test
