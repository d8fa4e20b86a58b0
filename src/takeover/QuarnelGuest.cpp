#include "takeover/QuarnelGuest.h"

#include "takeover/TakeOverParty.h"
#include "takeover/TakeOverSource.h"

namespace korbelant {

namespace {

// Quarnel marks an appointment or a nomination with "x".
bool marked(const TakeOverSource& source, const QString& field)
{
    return source.text(field).trimmed().compare(QStringLiteral("x"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString QuarnelGuest::participantNumber(int place)
{
    if (place < 1 || place > 99)
        return {};
    return QStringLiteral("%1").arg(place, 2, 10, QLatin1Char('0'));
}

std::optional<QVariantMap> QuarnelGuest::participant(const TakeOverSource& source, const QVariantMap& header,
                                                     int place)
{
    const QString pNr = participantNumber(place);
    if (pNr.isEmpty())
        return std::nullopt;
    QVariantMap p = TakeOverParty::participant(header, TakeOverParty::sixDigits(source.text(kCustomer)), pNr);
    p.insert(QStringLiteral("DATUM"), header.value(QStringLiteral("DATUM")));
    p.insert(QStringLiteral("UMSATZ"), source.value(QStringLiteral("BestellSumme")));
    p.insert(QStringLiteral("V_GTYP"),
             pNr == QStringLiteral("01") ? QStringLiteral("1") : QStringLiteral("0"));
    p.insert(QStringLiteral("BENENNUNG"), marked(source, QStringLiteral("Benennung")));
    p.insert(QStringLiteral("Verabredung"), marked(source, QStringLiteral("Verabredung")));
    return p;
}

} // namespace korbelant
