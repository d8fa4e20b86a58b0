#include "support/PartyBuilder.h"

namespace korbelant::test {

PartyBuilder::PartyBuilder(const QString& number) : RecordBuilder(QStringLiteral("Tuppkopf"))
{
    with(QStringLiteral("R_NR"), number);
}

PartyBuilder& PartyBuilder::week(const QString& week, const QString& partWeek)
{
    with(QStringLiteral("MWoche"), week);
    if (!partWeek.isEmpty())
        with(QStringLiteral("TWoche"), partWeek);
    return *this;
}

PartyBuilder& PartyBuilder::host(const QString& customer)
{
    return with(QStringLiteral("K_NR"), customer);
}

} // namespace korbelant::test
