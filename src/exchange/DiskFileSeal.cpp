#include "exchange/DiskFileSeal.h"

#include <QFile>
#include <QSaveFile>

namespace korbelant {

char DiskFileSeal::checkByte(const QByteArray& bytes)
{
    unsigned sum = 0;
    for (const char byte : bytes)
        sum = (sum + static_cast<unsigned char>(byte)) % 255;
    return static_cast<char>(sum);
}

QByteArray DiskFileSeal::sealed(const QByteArray& bytes)
{
    QByteArray result = bytes;
    if (!result.endsWith(kEndOfFile))
        result.append(kEndOfFile);
    result.append(checkByte(result));
    return result;
}

bool DiskFileSeal::isValid(const QByteArray& bytes)
{
    return !bytes.isEmpty() && bytes.back() == checkByte(bytes.chopped(1));
}

bool DiskFileSeal::SealFile(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    in.close();
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(sealed(bytes)) >= 0 && out.commit();
}

bool DiskFileSeal::VerifySeal(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isValid(file.readAll());
}

} // namespace korbelant
