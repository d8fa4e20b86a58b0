#include "exchange/ZipArchive.h"

#include "exchange/ArchiveError.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace korbelant {

namespace {

constexpr zip_uint8_t kUnix = 3; // ZIP_OPSYS_UNIX
constexpr int kBestCompression = 9;

QString errorText(zip_error_t* error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

} // namespace

ZipArchive::ZipArchive(const QString& path, int flags) : m_path(path)
{
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!m_zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = errorText(&error);
        zip_error_fini(&error);
        throw ArchiveError(
            QStringLiteral("Das ZIP-Archiv %1 kann nicht geöffnet werden: %2").arg(path, text));
    }
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
}

void ZipArchive::fail(const QString& what) const
{
    throw ArchiveError(
        QStringLiteral("Das ZIP-Archiv %1: %2 (%3)").arg(m_path, what, errorText(zip_get_error(m_zip))));
}

zip_int64_t ZipArchive::entryCount() const
{
    return zip_get_num_entries(m_zip, 0);
}

QString ZipArchive::entryName(zip_uint64_t index) const
{
    const char* name = zip_get_name(m_zip, index, ZIP_FL_ENC_GUESS);
    if (!name)
        fail(QStringLiteral("Eintrag %1 hat keinen Namen").arg(index));
    return QString::fromUtf8(name);
}

bool ZipArchive::isSymlink(zip_uint64_t index) const
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(m_zip, index, 0, &system, &attributes) != 0)
        fail(QStringLiteral("Eintrag %1 ist nicht lesbar").arg(index));
    return system == kUnix && S_ISLNK(attributes >> 16);
}

QByteArray ZipArchive::read(zip_uint64_t index) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        fail(QStringLiteral("Eintrag %1 ist nicht lesbar").arg(index));
    zip_file_t* file = zip_fopen_index(m_zip, index, 0);
    if (!file)
        fail(QStringLiteral("Eintrag %1 ist nicht lesbar").arg(index));
    QByteArray bytes;
    char buffer[65536];
    zip_int64_t got = 0;
    while ((got = zip_fread(file, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(got));
    const bool failed = got < 0 || zip_fclose(file) != 0;
    if (failed)
        fail(QStringLiteral("Eintrag %1 ist beschädigt").arg(index));
    return bytes;
}

void ZipArchive::put(const QString& name, const QByteArray& bytes)
{
    const QByteArray encoded = name.toUtf8();
    const zip_int64_t existing =
        zip_name_locate(m_zip, encoded.constData(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
    if (existing >= 0 && zip_delete(m_zip, static_cast<zip_uint64_t>(existing)) != 0)
        fail(QStringLiteral("%1 kann nicht ersetzt werden").arg(name));
    // libzip reads the bytes when the archive is closed and frees its copy then.
    void* copy = std::malloc(static_cast<size_t>(std::max<qsizetype>(bytes.size(), 1)));
    if (!copy)
        fail(QStringLiteral("kein Speicher für %1").arg(name));
    std::memcpy(copy, bytes.constData(), static_cast<size_t>(bytes.size()));
    zip_source_t* source = zip_source_buffer(m_zip, copy, static_cast<zip_uint64_t>(bytes.size()), 1);
    if (!source) {
        std::free(copy);
        fail(QStringLiteral("%1 kann nicht hinzugefügt werden").arg(name));
    }
    const zip_int64_t index = zip_file_add(m_zip, encoded.constData(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
        zip_source_free(source);
        fail(QStringLiteral("%1 kann nicht hinzugefügt werden").arg(name));
    }
    if (zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, kBestCompression) !=
        0)
        fail(QStringLiteral("%1 kann nicht gepackt werden").arg(name));
}

void ZipArchive::close()
{
    if (zip_close(m_zip) != 0)
        fail(QStringLiteral("kann nicht geschrieben werden"));
    m_zip = nullptr;
}

} // namespace korbelant
