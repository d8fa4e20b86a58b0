#include "takeover/TakeOverOrderLine.h"

#include "articles/KindTable.h"
#include "parties/GuestLineRules.h"
#include "takeover/TakeOverSource.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace korbelant {

namespace {

std::optional<double> numberOf(const QVariant& value)
{
    if (TakeOverSource::isNull(value))
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}

// The prices of the line by the factors of its kind, from the price of one piece. A value that
// cannot be computed leaves the rest of its group unset.
void price(QVariantMap& line, const TransactionKind& kind, std::optional<double> unitPrice, double pieces)
{
    std::optional<double> sum;
    if (unitPrice) {
        const double unit = *unitPrice * kind.vkFaktor;
        sum = unit * pieces;
        const double unitCost = unit * kind.ekFaktor;
        line.insert(QStringLiteral("EINZ_PREIS"), unit);
        line.insert(QStringLiteral("SUMME"), *sum);
        line.insert(QStringLiteral("EINZ_KOST"), unitCost);
        line.insert(QStringLiteral("KOSTEN"), unitCost * pieces);
    }
    const double stars = line.value(QStringLiteral("STERNE")).toDouble();
    line.insert(QStringLiteral("STERNE"), GuestLineRules::roundHalfEven(stars * kind.sterneFakt));
    if (!unitPrice)
        return;
    line.insert(QStringLiteral("STERNE_DM"), *unitPrice * pieces * kind.sterneDmFa);
    line.insert(QStringLiteral("UM_STERNE"), *sum * kind.umsSternFa);
}

} // namespace

QVariantMap TakeOverOrderLine::line(const TakeOverSource& source, const Fields& fields,
                                    const QVariantMap& header, const QString& pNr, const KindTable& kinds)
{
    QString article = source.text(fields.article);
    const qsizetype blank = article.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        article.remove(blank, 1);

    QVariantMap line;
    line.insert(QStringLiteral("R_NR"), header.value(QStringLiteral("R_NR")));
    line.insert(QStringLiteral("MWoche"), header.value(QStringLiteral("MWoche")));
    line.insert(QStringLiteral("TWoche"), QStringLiteral("1"));
    line.insert(QStringLiteral("P_NR"), pNr);
    line.insert(QStringLiteral("L_NR"), article);
    line.insert(QStringLiteral("Z_NR"), source.value(fields.number));
    line.insert(QStringLiteral("L_TEXT"), source.value(fields.text));
    line.insert(QStringLiteral("STERNE"), std::trunc(numberOf(source.value(fields.stars)).value_or(0)));
    const double pieces = std::max(1.0, numberOf(source.value(fields.pieces)).value_or(1));
    line.insert(QStringLiteral("STUECK"), pieces);
    const QString va = source.text(fields.kind).trimmed();
    line.insert(QStringLiteral("VA"), va);
    std::optional<double> unitPrice = numberOf(source.value(fields.price));
    if (unitPrice && fields.priceIsTotal)
        *unitPrice /= pieces;
    if (unitPrice)
        line.insert(QStringLiteral("EINZ_PREIS"), *unitPrice);
    if (const TransactionKind* kind = kinds.find(va))
        price(line, *kind, unitPrice, pieces);
    return line;
}

} // namespace korbelant
