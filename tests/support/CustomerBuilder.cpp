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

void CustomerBuilder::addDated(Database& db, const char* number, const char* field, const QDate& date)
{
    CustomerBuilder(QString::fromLatin1(number))
        .name(QStringLiteral("Kundin"), QString::fromLatin1(number))
        .with(QString::fromLatin1(field), date)
        .insertInto(db);
}

} // namespace korbelant::test
