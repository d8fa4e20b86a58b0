#include "statistics/StatisticsArguments.h"

#include "reports/ReportError.h"
#include "week/WeekOverviewReport.h"

#include <optional>

namespace korbelant {

namespace {

std::optional<QString> takeOption(QStringList& args, const QString& name)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= args.size())
        throw ReportError(QStringLiteral("Nach %1 fehlt der Wert.").arg(name));
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

void expectNoneLeft(const QStringList& args)
{
    if (!args.isEmpty())
        throw ReportError(QStringLiteral("Unbekannte Angaben: %1").arg(args.join(QLatin1Char(' '))));
}

int minimumOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0)
        throw ReportError(QStringLiteral("--min erwartet eine ganze Zahl ab 0, nicht \"%1\".").arg(text));
    return value;
}

void expectOrdered(const QString& from, const QString& to)
{
    if (!from.isEmpty() && !to.isEmpty() && from > to)
        throw ReportError(
            QStringLiteral("Die Woche \"von\" (%1) liegt nach der Woche \"bis\" (%2).").arg(from, to));
}

} // namespace

StatisticsPeriod StatisticsArguments::period(const QStringList& args)
{
    if (args.size() != 2)
        throw ReportError(
            QStringLiteral("Erwartet werden die Wochen VON und BIS (JJJJWW, TT.MM.JJJJ oder \"-\")."));
    const StatisticsPeriod p{WeekOverviewReport::weekArgument(args.at(0)),
                             WeekOverviewReport::weekArgument(args.at(1))};
    expectOrdered(p.from, p.to);
    return p;
}

StatisticsArguments::Customers StatisticsArguments::customers(const QStringList& arguments)
{
    QStringList args = arguments;
    Customers c;
    if (const auto sort = takeOption(args, QStringLiteral("--sort"))) {
        const auto key = CustomerStatisticSort::fromWord(*sort);
        if (!key)
            throw ReportError(QStringLiteral("Unbekannte Sortierung \"%1\" (umsatz, sterne, vorfuehrung, "
                                             "gastgeber).")
                                  .arg(*sort));
        c.sort = *key;
    }
    if (const auto minimum = takeOption(args, QStringLiteral("--min")))
        c.minimum = minimumOf(*minimum);
    c.period = period(args);
    return c;
}

StatisticsArguments::Articles StatisticsArguments::articles(const QStringList& arguments, bool withSort)
{
    QStringList args = arguments;
    Articles a;
    a.conditions.article =
        takeOption(args, QStringLiteral("--artikel")).value_or(QString()).trimmed().toUpper();
    const QString kind = takeOption(args, QStringLiteral("--va")).value_or(QString()).trimmed();
    a.conditions.kind = kind.compare(QStringLiteral("Alle"), Qt::CaseInsensitive) == 0 ? QString() : kind;
    a.conditions.fromWeek =
        WeekOverviewReport::weekArgument(takeOption(args, QStringLiteral("--von")).value_or(QString()));
    a.conditions.toWeek =
        WeekOverviewReport::weekArgument(takeOption(args, QStringLiteral("--bis")).value_or(QString()));
    expectOrdered(a.conditions.fromWeek, a.conditions.toWeek);
    if (withSort) {
        if (const auto sort = takeOption(args, QStringLiteral("--sort"))) {
            const auto key = BestSellerSort::fromWord(*sort);
            if (!key)
                throw ReportError(
                    QStringLiteral("Unbekannte Sortierung \"%1\" (artikel, menge, umsatz, sterne).")
                        .arg(*sort));
            a.sort = *key;
        }
    }
    expectNoneLeft(args);
    return a;
}

QString StatisticsArguments::kindShown(const QString& kind)
{
    return kind.isEmpty() ? QStringLiteral("Alle") : kind;
}

} // namespace korbelant
