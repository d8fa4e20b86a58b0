#include "week/InfoSummary.h"

#include "core/CurrencyState.h"
#include "core/Database.h"
#include "core/Options.h"
#include "core/WeekKey.h"

#include <QStringList>
#include <cmath>

namespace korbelant {

namespace {

const QDate kChangeOver(2002, 1, 1);
constexpr qint64 kPrintedAll = 11001;
constexpr qint64 kNewWeek = 2;

} // namespace

QString InfoSummary::greetingAt(const QTime& time)
{
    if (time < QTime(10, 0))
        return QStringLiteral("Guten Morgen,");
    if (time < QTime(18, 0))
        return QStringLiteral("Guten Tag,");
    return QStringLiteral("Guten Abend,");
}

QString InfoSummary::changeOverOn(const QDate& today, bool euro)
{
    const qint64 days = today.daysTo(kChangeOver);
    if (days > 0)
        return QStringLiteral("Es sind noch %1 Tage bis zur Währungsumstellung.").arg(days);
    if (euro)
        return QStringLiteral(
            "Alle Werte, die nicht eindeutig mit DM gekennzeichnet sind, verstehen sich als Euro.");
    return QStringLiteral(
        "Die Währung wurde umgestellt, denken sie daran ihre Werte bei Bedarf umzurechnen.");
}

QString InfoSummary::transferState(int parties, int transferred)
{
    if (parties == 0)
        return QStringLiteral("-");
    if (transferred == parties)
        return QStringLiteral("ja");
    return transferred == 0 ? QStringLiteral("nein") : QStringLiteral("teilweise");
}

QString InfoSummary::printState(qint64 dr20)
{
    if (dr20 >= kPrintedAll)
        return QStringLiteral("ja");
    return dr20 == kNewWeek ? QStringLiteral("nein") : QStringLiteral("teilweise");
}

InfoSummary InfoSummary::compute(Database& db, const Options& options, const DataHome& home,
                                 const QDateTime& now)
{
    InfoSummary info;
    info.greeting = greetingAt(now.time());
    const std::optional<CurrencyState::Currency> recorded = CurrencyState::recorded(home);
    const bool euro = options.checked(QStringLiteral("Euro"));
    info.currency = CurrencyState::displayName(
        recorded.value_or(euro ? CurrencyState::Currency::Euro : CurrencyState::Currency::DMark));
    info.changeOver = changeOverOn(now.date(), euro);
    const auto latest =
        db.rows(QStringLiteral("SELECT MWoche, COALESCE(DR_20, 0) FROM MWoche ORDER BY MWoche DESC LIMIT 1"));
    info.weekLabel = QStringLiteral("Letzte Woche :");
    if (!latest.empty()) {
        const QString key = latest.front().at(0).toString();
        if (key == WeekKey::weekKey(now.date()))
            info.weekLabel = QStringLiteral("Aktuelle Woche :");
        info.week = WeekKey::displayWeek(key);
        const QVariantList counts =
            db.rows(QStringLiteral("SELECT count(*), total(COALESCE(ERSTELLT, 0) <> 0) FROM "
                                   "Tuppkopf WHERE MWoche = ?"),
                    {key})
                .front();
        info.transferred = transferState(counts.at(0).toInt(), static_cast<int>(counts.at(1).toDouble()));
        info.printed = printState(latest.front().at(1).toLongLong());
    }
    info.interfaceVersion =
        options.checked(QStringLiteral("bzh_old")) ? QStringLiteral("V 1.0") : QStringLiteral("V 2.0");
    return info;
}

QStringList InfoSummary::lines() const
{
    return {greeting,
            QStringLiteral("Ihre aktuell eingestellte Währung ist : ") + currency,
            changeOver,
            weekLabel + QLatin1Char(' ') + week,
            QStringLiteral("Auf Diskette überspielt : ") + transferred,
            QStringLiteral("ausgedruckt : ") + printed,
            QStringLiteral("Gewählte Schnittstellenversion(Optionen) : ") + interfaceVersion};
}

} // namespace korbelant
