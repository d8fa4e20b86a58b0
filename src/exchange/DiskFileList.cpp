#include "exchange/DiskFileList.h"

#include "core/Cp1252.h"
#include "core/Database.h"
#include "exchange/DistributorDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korbelant {

namespace {

// A file that holds these bytes already is left as it is.
bool save(const QString& path, const QByteArray& bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0 && file.commit();
}

QByteArray description(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!lines.endsWith(QStringLiteral("\r\n")))
        lines += QStringLiteral("\r\n");
    return Cp1252::encode(lines);
}

} // namespace

bool DiskFileList::prepare(Database& db, const QString& transtup)
{
    const QDir dir(transtup);
    const auto entries =
        db.rows(QStringLiteral("SELECT FILENAME, Import_S, FILDLIST FROM TWFILELIST ORDER BY FILENAME"));
    for (const QVariantList& entry : entries) {
        const QString name = entry.at(0).toString().trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QStringLiteral("..")))
            continue;
        if (!save(dir.filePath(name + QStringLiteral(".sch")), description(entry.at(2).toString())))
            return false;
        if (entry.at(1).toString().trimmed().compare(QStringLiteral("N"), Qt::CaseInsensitive) == 0 &&
            !save(dir.filePath(name.toUpper() + QStringLiteral(".ASC")), {}))
            return false;
    }
    const QString boot = dir.filePath(DistributorDisk::kBootFile);
    if (QFileInfo::exists(boot) || !QFile::copy(QStringLiteral(":/data/") + DistributorDisk::kBootFile, boot))
        return QFileInfo::exists(boot);
    return QFile::setPermissions(boot,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace korbelant
