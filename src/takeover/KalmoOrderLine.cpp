#include "takeover/KalmoOrderLine.h"

#include "takeover/KalmoGuest.h"
#include "takeover/TakeOverOrderLine.h"
#include "takeover/TakeOverSource.h"

#include <QStringList>

namespace korbelant {

namespace {

bool takenState(const QString& kz)
{
    static const QStringList states{QStringLiteral("00"), QStringLiteral("30"), QStringLiteral("33"),
                                    QStringLiteral("36")};
    return states.contains(kz);
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
    // KALMO keeps the line's total in Preis.
    static const TakeOverOrderLine::Fields kalmo{
        QStringLiteral("PRDNR"), QStringLiteral("ARTNR"), QStringLiteral("BEZ"),   QStringLiteral("STERNE"),
        QStringLiteral("MENGE"), QStringLiteral("VA"),    QStringLiteral("Preis"), true};
    return TakeOverOrderLine::line(source, kalmo, header, pNr, kinds);
}

} // namespace korbelant
