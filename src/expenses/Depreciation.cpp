#include "expenses/Depreciation.h"

#include <cmath>

namespace korbelant {

namespace {

QString yearsText(double years)
{
    return QString::number(years, 'f', 0);
}

// The second-half purchase: half a year less to go, and half the yearly amount in the purchase
// year and in the year after the last full one.
void applyHalfYear(Depreciation& d, double yearly, bool purchaseYear)
{
    const double rest = *d.RestLaufzeit;
    if (rest == 0) {
        d.RestLStr = QStringLiteral("0");
        d.RestBetrag = 0;
        d.AbschreibCalc = yearly / 2;
    } else if (rest >= 1) {
        d.RestLaufzeit = rest - 0.5;
        d.RestLStr += QStringLiteral(",5");
        d.RestBetrag = *d.RestLaufzeit * yearly;
        if (purchaseYear)
            d.AbschreibCalc = yearly / 2;
    }
}

} // namespace

Depreciation Depreciation::compute(const QDate& bought, double price, int term, std::optional<int> year)
{
    Depreciation d;
    if (!year || !bought.isValid())
        return d;
    const int p = bought.year();
    d.RestLaufzeit = p > *year ? -4.0 : static_cast<double>(term + p - *year);
    d.RestLStr = yearsText(*d.RestLaufzeit - 1);
    if (term == 0)
        return d;
    const double yearly = price / term;
    d.RestBetrag = (*d.RestLaufzeit - 1) * yearly;
    d.AbschreibCalc = yearly;
    if (term > 1 && bought.month() >= 7)
        applyHalfYear(d, yearly, p == *year);
    return d;
}

bool Depreciation::listed(int term) const
{
    if (!RestLaufzeit)
        return false;
    const double rounded = std::round(*RestLaufzeit);
    return RestBetrag.value_or(0) >= 0 && rounded >= 0 && term >= rounded;
}

} // namespace korbelant
