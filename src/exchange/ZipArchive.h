#pragma once

#include <QByteArray>
#include <QString>
#include <zip.h>

namespace korbelant {

// An open libzip archive. Changes are written by close(); an archive that is not closed is
// discarded, so a failure on the way leaves the file as it was. Failures throw ArchiveError.
class ZipArchive
{
public:
    // flags as for zip_open: 0 or ZIP_RDONLY to read an existing archive, ZIP_CREATE | ZIP_TRUNCATE
    // to start a new one.
    ZipArchive(const QString& path, int flags);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    zip_int64_t entryCount() const;
    QString entryName(zip_uint64_t index) const;
    // True when the entry was stored as a symbolic link (by a Unix zip tool).
    bool isSymlink(zip_uint64_t index) const;
    QByteArray read(zip_uint64_t index) const;
    // Puts the bytes in under the name, best compression; an entry of that name, whatever its case,
    // is replaced.
    void put(const QString& name, const QByteArray& bytes);
    void close();

private:
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    zip_t* m_zip = nullptr;
};

} // namespace korbelant
