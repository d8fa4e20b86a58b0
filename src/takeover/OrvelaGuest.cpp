#include "takeover/OrvelaGuest.h"

#include "takeover/OrvelaRecord.h"
#include "takeover/TakeOverOrderLine.h"
#include "takeover/TakeOverParty.h"
#include "takeover/TakeOverSource.h"

namespace korbelant {

std::optional<QVariantMap> OrvelaGuest::participant(const TakeOverSource& guests, const QVariantMap& header)
{
    bool ok = false;
    const int number = guests.text(QStringLiteral("lfd")).trimmed().toInt(&ok) + 1;
    if (!ok || number < 1 || number > 99)
        return std::nullopt;
    const QString pNr = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    QVariantMap p =
        TakeOverParty::participant(header, TakeOverParty::sixDigits(guests.text(QStringLiteral("GID"))), pNr);
    p.insert(QStringLiteral("DATUM"), header.value(QStringLiteral("DATUM")));
    p.insert(QStringLiteral("UMSATZ"), guests.value(OrvelaRecord::kGuestTurnoverColumn));
    p.insert(QStringLiteral("V_GTYP"),
             pNr == QStringLiteral("01") ? QStringLiteral("J") : QStringLiteral("N"));
    return p;
}

QVariantMap OrvelaGuest::line(const TakeOverSource& lines, const QVariantMap& header, const QString& pNr,
                              const KindTable& kinds)
{
    static const TakeOverOrderLine::Fields orvela{QStringLiteral("PrdNr"),       QStringLiteral("Artnr"),
                                                  QStringLiteral("Bezeichnung"), QStringLiteral("Sterne"),
                                                  QStringLiteral("MENGE"),       QStringLiteral("VA"),
                                                  QStringLiteral("Preis"),       false};
    return TakeOverOrderLine::line(lines, orvela, header, pNr, kinds);
}

} // namespace korbelant
