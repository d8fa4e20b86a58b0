#include "support/CustomerBuilder.h"

namespace korbelant::test {

CustomerBuilder::CustomerBuilder(const QString& number) : RecordBuilder(QStringLiteral("Kunden"))
{
    with(QStringLiteral("K_NR"), number);
    with(QStringLiteral("NAME"), QStringLiteral("Kunde") + number);
}

CustomerBuilder& CustomerBuilder::name(const QString& name, const QString& firstName)
{
    with(QStringLiteral("NAME"), name);
    if (!firstName.isEmpty())
        with(QStringLiteral("VORNAME"), firstName);
    return *this;
}

} // namespace korbelant::test
