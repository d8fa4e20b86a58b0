#include "exchange/DiskTextFile.h"

#include "core/Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace korbelant {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

QStringList DiskTextFile::lines(const QByteArray& bytes)
{
    QStringList result = Cp1252::decode(bytes).split(kLineEnd);
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

std::optional<QStringList> DiskTextFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return lines(file.readAll());
}

QByteArray DiskTextFile::bytes(const QStringList& lines)
{
    QByteArray result;
    for (const QString& line : lines)
        result += Cp1252::encode(line + kLineEnd);
    return result;
}

bool DiskTextFile::write(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes(lines)) >= 0 && file.commit();
}

} // namespace korbelant
