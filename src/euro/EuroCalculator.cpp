#include "euro/EuroCalculator.h"

#include "core/Currency.h"
#include "core/GermanFormat.h"

namespace korbelant {

std::optional<QString> EuroCalculator::convert(const QString& entry, double (*function)(double))
{
    const std::optional<double> amount = GermanFormat::parseAmount(entry.trimmed());
    if (!amount)
        return std::nullopt;
    return GermanFormat::number(function(*amount), 2);
}

std::optional<QString> EuroCalculator::toEuro(const QString& dmEntry)
{
    return convert(dmEntry, &Currency::DmToEuro);
}

std::optional<QString> EuroCalculator::toDm(const QString& euroEntry)
{
    return convert(euroEntry, &Currency::EuroToDm);
}

} // namespace korbelant
