#include "customers/GuestType.h"

namespace korbelant {

QString GuestType::word(const QString& code)
{
    const QString c = code.trimmed().toUpper();
    if (c == QStringLiteral("J"))
        return QStringLiteral("Gastgeber");
    if (c == QStringLiteral("N"))
        return QStringLiteral("Gast");
    if (c == QStringLiteral("S"))
        return QStringLiteral("Startgast");
    if (c == QStringLiteral("M"))
        return QStringLiteral("Mitbesteller");
    if (c == QStringLiteral("C"))
        return QStringLiteral("Club Gastgeber");
    return code;
}

} // namespace korbelant
