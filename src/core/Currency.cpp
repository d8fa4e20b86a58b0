#include "core/Currency.h"

#include <cfenv>
#include <cmath>

namespace korbelant {

double Currency::convert(double amount, long double factor)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double fixed = std::nearbyintl(static_cast<long double>(amount) * 10000.0L);
    const long double product = std::nearbyintl(fixed * factor);
    std::fesetround(previous);
    return static_cast<double>(product / 10000.0L);
}

double Currency::DmToEuro(double amount)
{
    return convert(amount, 1.0L / kRate);
}

double Currency::EuroToDm(double amount)
{
    return convert(amount, kRate);
}

} // namespace korbelant
