#include "parties/SecondCurrency.h"

#include "core/Currency.h"
#include "core/Options.h"

namespace korbelant {

namespace {

const QString kEuro = QStringLiteral("€");
const QString kDm = QStringLiteral("DM");

} // namespace

SecondCurrency SecondCurrency::of(const Options& options, const QString& option)
{
    return SecondCurrency(options.checked(option), options.checked(QStringLiteral("Euro")));
}

QString SecondCurrency::columnTitle() const
{
    return QStringLiteral("Summe(%1)").arg(secondSymbol());
}

QString SecondCurrency::ownSymbol() const
{
    return m_euro ? kEuro : kDm;
}

QString SecondCurrency::secondSymbol() const
{
    return m_euro ? kDm : kEuro;
}

double SecondCurrency::convert(double amount) const
{
    return m_euro ? Currency::EuroToDm(amount) : Currency::DmToEuro(amount);
}

} // namespace korbelant
