#include "statistics/UnpaidOrder.h"

namespace korbelant {

QString UnpaidOrder::weekShown(const QString& mWoche)
{
    if (mWoche.size() < 6)
        return mWoche;
    return mWoche.left(4) + QStringLiteral(" \\ ") + mWoche.mid(4, 2);
}

QString UnpaidOrder::paidShown(bool paid)
{
    return paid ? QStringLiteral("bezahlt") : QStringLiteral("nicht bezahlt");
}

} // namespace korbelant
