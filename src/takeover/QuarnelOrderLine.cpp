#include "takeover/QuarnelOrderLine.h"

#include "takeover/QuarnelGuest.h"
#include "takeover/TakeOverOrderLine.h"
#include "takeover/TakeOverSource.h"

namespace korbelant {

std::optional<QVariantMap> QuarnelOrderLine::line(const TakeOverSource& source, const QVariantMap& header,
                                                  const QString& pNr, const KindTable& kinds)
{
    bool ok = false;
    const double party = source.text(QuarnelGuest::kParty).trimmed().toDouble(&ok);
    if (!ok || party < 1)
        return std::nullopt;
    static const TakeOverOrderLine::Fields quarnel{
        QStringLiteral("AC"),    QStringLiteral("PrNr"), QStringLiteral("Bez"),   QStringLiteral("Sterne"),
        QStringLiteral("MENGE"), QStringLiteral("VA"),   QStringLiteral("Preis"), false};
    return TakeOverOrderLine::line(source, quarnel, header, pNr, kinds);
}

} // namespace korbelant
