#include "customers/GuestTypeName.h"

namespace korbelant {

QString GuestTypeName::printed(const QString& code)
{
    const QString key = code.trimmed().toUpper();
    if (key == QStringLiteral("J"))
        return QStringLiteral("Gastgeber");
    if (key == QStringLiteral("N"))
        return QStringLiteral("Gast");
    if (key == QStringLiteral("S"))
        return QStringLiteral("Startgast");
    if (key == QStringLiteral("M"))
        return QStringLiteral("Mitbesteller");
    if (key == QStringLiteral("C"))
        return QStringLiteral("Club Gastgeber");
    return code;
}

} // namespace korbelant
