#include "takeover/KalmoOrderLine.h"

#include "articles/KindTable.h"
#include "parties/GuestLineRules.h"
#include "takeover/KalmoGuest.h"
#include "takeover/TakeOverSource.h"

#include <cmath>

namespace korbelant {

namespace {

std::optional<double> numberOf(const QVariant& value)
{
    if (TakeOverSource::isNull(value))
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

bool takenState(const QString& kz)
{
    static const QStringList states{QStringLiteral("00"), QStringLiteral("30"), QStringLiteral("33"),
                                    QStringLiteral("36")};
    return states.contains(kz);
}

// The prices of the line by the factors of its kind. A value that cannot be computed leaves the
// rest of its group unset.
void price(QVariantMap& line, const TransactionKind& kind, std::optional<double> total, double pieces)
{
    std::optional<double> sum;
    if (total) {
        const double unit = *total / pieces * kind.vkFaktor;
        sum = unit * pieces;
        const double unitCost = unit * kind.ekFaktor;
        line.insert(QStringLiteral("EINZ_PREIS"), unit);
        line.insert(QStringLiteral("SUMME"), *sum);
        line.insert(QStringLiteral("EINZ_KOST"), unitCost);
        line.insert(QStringLiteral("KOSTEN"), unitCost * pieces);
    }
    const double stars = line.value(QStringLiteral("STERNE")).toDouble();
    line.insert(QStringLiteral("STERNE"), GuestLineRules::roundHalfEven(stars * kind.sterneFakt));
    if (!total)
        return;
    // Preis is the line's total already: the star value is that total times the factor, as for
    // a line entered in the party window (unit price times pieces times the factor).
    line.insert(QStringLiteral("STERNE_DM"), *total * kind.sterneDmFa);
    line.insert(QStringLiteral("UM_STERNE"), *sum * kind.umsSternFa);
}

} // namespace

bool KalmoOrderLine::hasArticle(const TakeOverSource& source)
{
    return source.text(QStringLiteral("ARTNR")).trimmed() != kNoArticle;
}

std::optional<QVariantMap> KalmoOrderLine::line(const TakeOverSource& source, const QVariantMap& header,
                                                const KindTable& kinds)
{
    QString article = source.text(QStringLiteral("PRDNR"));
    if (!takenState(source.text(QStringLiteral("KZ")).trimmed()) || article.trimmed().isEmpty())
        return std::nullopt;
    const QString pNr = KalmoGuest::participantNumber(source);
    if (pNr.isEmpty())
        return std::nullopt;
    const qsizetype blank = article.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        article.remove(blank, 1);

    QVariantMap line;
    line.insert(QStringLiteral("R_NR"), header.value(QStringLiteral("R_NR")));
    line.insert(QStringLiteral("MWoche"), header.value(QStringLiteral("MWoche")));
    line.insert(QStringLiteral("TWoche"), QStringLiteral("1"));
    line.insert(QStringLiteral("P_NR"), pNr);
    line.insert(QStringLiteral("L_NR"), article);
    line.insert(QStringLiteral("Z_NR"), source.value(QStringLiteral("ARTNR")));
    line.insert(QStringLiteral("L_TEXT"), source.value(QStringLiteral("BEZ")));
    line.insert(QStringLiteral("STERNE"),
                std::trunc(numberOf(source.value(QStringLiteral("STERNE"))).value_or(0)));
    const double pieces = std::max(1.0, numberOf(source.value(QStringLiteral("MENGE"))).value_or(1));
    line.insert(QStringLiteral("STUECK"), pieces);
    const QString va = source.text(QStringLiteral("VA")).trimmed();
    line.insert(QStringLiteral("VA"), va);
    const std::optional<double> total = numberOf(source.value(QStringLiteral("Preis")));
    if (total)
        line.insert(QStringLiteral("EINZ_PREIS"), *total / pieces);
    if (const TransactionKind* kind = kinds.find(va))
        price(line, *kind, total, pieces);
    return line;
}

} // namespace korbelant
