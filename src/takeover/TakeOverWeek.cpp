#include "takeover/TakeOverWeek.h"

namespace korbelant {

namespace {

constexpr int kKeyLength = 6;
constexpr int kCenturyTurn = 20;

} // namespace

QString TakeOverWeek::mWoche(const QString& text, int sourceWidth)
{
    if (text.isEmpty())
        return {};
    if (sourceWidth >= kKeyLength)
        return text.left(kKeyLength);
    bool isNumber = false;
    const int year = text.left(2).toInt(&isNumber);
    const QString century = isNumber && year < kCenturyTurn ? QStringLiteral("20") : QStringLiteral("19");
    return (century + text).left(kKeyLength);
}

QString TakeOverWeek::tWoche(const QString& text)
{
    return text.size() == 5 ? text.mid(4, 1) : QString();
}

} // namespace korbelant
