#include "takeover/KalmoGuest.h"

#include "takeover/TakeOverParty.h"
#include "takeover/TakeOverSource.h"

namespace korbelant {

QString KalmoGuest::participantNumber(const TakeOverSource& source)
{
    bool ok = false;
    const int number = source.text(QStringLiteral("GASTNRLFD")).trimmed().toInt(&ok) + 1;
    if (!ok || number < 1 || number > 99)
        return {};
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

std::optional<QVariantMap> KalmoGuest::participant(const TakeOverSource& source, const QVariantMap& header)
{
    if (source.text(QStringLiteral("KZ")).trimmed() != QStringLiteral("00"))
        return std::nullopt;
    const QString pNr = participantNumber(source);
    if (pNr.isEmpty())
        return std::nullopt;
    QVariantMap p =
        TakeOverParty::participant(header, customerNumber(source.text(QStringLiteral("GASTNR"))), pNr);
    p.insert(QStringLiteral("UMSATZ"), source.value(QStringLiteral("UMSATZ")));
    p.insert(QStringLiteral("V_GTYP"),
             pNr == QStringLiteral("01") ? QStringLiteral("J") : QStringLiteral("N"));
    return p;
}

} // namespace korbelant
