#include "parties/PartyAddress.h"

#include "core/FixedCustomers.h"

#include <QStringList>

namespace korbelant {

namespace {

QString joined(const QString& a, const QString& separator, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a + b;
    return a + separator + b;
}

} // namespace

QString PartyAddress::columns(const QString& alias)
{
    QStringList list;
    for (const char* field : {"K_NR", "ANREDE", "VORNAME", "NAME", "STRASSE", "PLZ", "ORT", "TELEFON",
                              "TELEFON2", "FAX", "E-MAIL"})
        list << QStringLiteral("IFNULL(%1.\"%2\", '')").arg(alias, QString::fromLatin1(field));
    return list.join(QStringLiteral(", "));
}

PartyAddress PartyAddress::fromRow(const QVariantList& row, int first)
{
    auto at = [&](int i) { return row.value(first + i).toString().trimmed(); };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8), at(9), at(10)};
}

bool PartyAddress::unknown() const
{
    return K_NR == FixedCustomers::kUnknown;
}

QString PartyAddress::nameFirst() const
{
    return joined(NAME, QStringLiteral(", "), VORNAME);
}

QString PartyAddress::fullName() const
{
    return joined(VORNAME, QStringLiteral(" "), NAME);
}

QString PartyAddress::town() const
{
    return joined(PLZ, QStringLiteral(" "), ORT);
}

} // namespace korbelant
