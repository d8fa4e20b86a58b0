#include "parties/BackOrderLine.h"

#include <QStringList>

namespace korbelant {

QString BackOrderLine::guestName() const
{
    return guest.NAME + QStringLiteral(", ") + guest.VORNAME;
}

QString BackOrderLine::addressLine(const PartyAddress& a)
{
    return QStringList{a.NAME, a.VORNAME, a.PLZ, a.ORT}.join(QStringLiteral(", "));
}

} // namespace korbelant
