#include "exchange/StreetSplit.h"

namespace korbelant {

namespace {

constexpr qsizetype kLastCut = 29; // the cut falls on the 30th character at the latest
constexpr qsizetype kNumberLength = 10;

} // namespace

StreetSplit StreetSplit::of(const QString& text)
{
    qsizetype cut = text.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) >= QLatin1Char('1') && text.at(i) <= QLatin1Char('9')) {
            cut = i;
            break;
        }
    }
    cut = std::min(cut, kLastCut);
    return {text.left(cut), text.mid(cut, kNumberLength)};
}

} // namespace korbelant
