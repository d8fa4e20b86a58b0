#include "exchange/MediumCheck.h"

#include "core/Cp1252.h"
#include "exchange/MediumFile.h"

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
    return MediumFile::find(folder, kFileName);
}

} // namespace korbelant
