#include "exchange/MediumCheck.h"

#include "core/Cp1252.h"

#include <QDir>
#include <QFile>

namespace korbelant {

bool MediumCheck::CheckMedium(const QString& berIdPath, const QString& consultantNumber)
{
    QFile file(berIdPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString firstLine = Cp1252::decode(file.readLine());
    return firstLine.left(5) == consultantNumber;
}

QString MediumCheck::berIdFile(const QString& folder)
{
    return fileIn(folder, kFileName);
}

QString MediumCheck::fileIn(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QStringList found = dir.entryList({name}, QDir::Files | QDir::Hidden, QDir::Name);
    return dir.filePath(found.isEmpty() ? name : found.first());
}

} // namespace korbelant
