#include "cli/StatisticsCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "cli/StatisticsChartCommand.h"
#include "core/GermanFormat.h"
#include "reports/ReportError.h"
#include "statistics/StatisticsArguments.h"
#include "statistics/TStatistikDataModul.h"

#include <functional>

namespace korbelant {

namespace {

QString money(double value)
{
    return GermanFormat::number(value, 2);
}

void line(CliContext& c, const QStringList& cells)
{
    c.out() << cells.join(QLatin1Char(';')) << '\n';
}

// The customer statistics after the host markers are put right, as the window does when it opens.
std::vector<CustomerStatistic> customerRows(CliContext& c, const StatisticsArguments::Customers& request)
{
    TStatistikDataModul modul(c.dataSet().db());
    if (const int corrected = modul.CorrectHostMarkers())
        c.err() << corrected << " Teilnehmer als Gastgeberin oder Gast berichtigt." << Qt::endl;
    return modul.KundenStatistik(request.period, request.sort, request.minimum);
}

int customers(CliContext& c, const QStringList& args)
{
    const auto request = StatisticsArguments::customers(args);
    line(c, {"K_NR", "NAME", "XNAME", "MAX OF NAME", "MAX OF STRASSE", "Ort", "VANZAHL", "GVANZAHL", "Umsatz",
             "AVUmsatz", "GastGUmsatz", "VUmsatz", "Sterne", "UM_Sterne"});
    for (const CustomerStatistic& s : customerRows(c, request))
        line(c, {s.K_NR, s.NAME, s.XNAME, s.MAX_OF_NAME, s.MAX_OF_STRASSE, s.Ort, QString::number(s.VANZAHL),
                 QString::number(s.GVANZAHL), money(s.Umsatz), money(s.AVUmsatz), money(s.GastGUmsatz),
                 s.VUmsatz ? money(*s.VUmsatz) : QString(), QString::number(s.Sterne), money(s.UM_Sterne)});
    return 0;
}

int unpaid(CliContext& c, const QStringList& args)
{
    const StatisticsPeriod period = StatisticsArguments::period(args);
    line(c, {"R_NR", "P_NR", "K_NR", "NAME", "ORT", "MWoche", "UMSATZ", "BEZAHLT"});
    for (const UnpaidOrder& o : TStatistikDataModul(c.dataSet().db()).BezahltQuery(period))
        line(c, {o.R_NR, o.P_NR, o.K_NR, o.NAME, o.ORT, o.MWoche, money(o.UMSATZ),
                 UnpaidOrder::paidShown(o.BEZAHLT)});
    return 0;
}

int weeks(CliContext& c, const QStringList& args)
{
    const StatisticsPeriod period = StatisticsArguments::period(args);
    line(c, {"R_NR", "MWoche", "TWoche", "Name", "S_UMSATZ", "VKG_UMSATZ", "WB_UMSATZ", "S_AUSGABE",
             "VERABRED", "GAESTE", "STERNE", "STERNE_DM", "ERSTELLT"});
    for (const auto& p : TStatistikDataModul(c.dataSet().db()).WochenQuery(period))
        line(c,
             {p.R_NR, p.MWoche, p.TWoche, p.hostName, money(p.S_UMSATZ), money(p.VKG_UMSATZ),
              money(p.WB_UMSATZ), money(p.S_AUSGABE), QString::number(p.VERABRED), QString::number(p.GAESTE),
              QString::number(p.STERNE), money(p.STERNE_DM), p.ERSTELLT ? "J" : "N"});
    return 0;
}

int articles(CliContext& c, const QStringList& args)
{
    const auto request = StatisticsArguments::articles(args, false);
    line(c, {"R_NR", "P_NR", "MWoche", "K_NR", "NAME", "L_NR", "VA", "L_TEXT", "STUECK", "EINZ_KOST",
             "KOSTEN", "EINZ_PREIS", "SUMME"});
    for (const auto& s : TStatistikDataModul(c.dataSet().db()).ArtikelQuery(request.conditions))
        line(c, {s.rNr, s.pNr, s.woche, s.kNr, s.kundenName, s.lNr, s.va, s.lText, QString::number(s.stueck),
                 money(s.einzKost), money(s.kosten), money(s.einzPreis), money(s.summe)});
    return 0;
}

int hitlist(CliContext& c, const QStringList& args)
{
    const auto request = StatisticsArguments::articles(args, true);
    line(c, {"L_NR", "VA", "Stueck", "Sterne", "L_TEXT", "EINZ_KOST", "EINZ_PREIS", "KOSTEN", "SUMME"});
    for (const BestSeller& b :
         TStatistikDataModul(c.dataSet().db()).ArtikelSumQuery(request.conditions, request.sort))
        line(c, {b.L_NR, b.VA, QString::number(b.Stueck), QString::number(b.Sterne), b.L_TEXT,
                 money(b.EINZ_KOST), money(b.EINZ_PREIS), money(b.KOSTEN), money(b.SUMME)});
    return 0;
}

int chart(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const auto png =
        CliArgs::takeOption(args, QStringLiteral("--png"), QStringLiteral("Nach --png fehlt der Dateiname."));
    if (!png)
        throw CliUsageError(QStringLiteral("Die Angabe --png DATEI fehlt."));
    const auto page =
        CliArgs::takeOption(args, QStringLiteral("--page"), QStringLiteral("Nach --page fehlt die Seite."));
    bool ok = true;
    const int pageNumber = page ? page->toInt(&ok) : 1;
    if (!ok || pageNumber < 1)
        throw CliUsageError(QStringLiteral("--page erwartet eine Seite ab 1, nicht \"%1\".").arg(*page));
    const auto rows = customerRows(c, StatisticsArguments::customers(args));
    return StatisticsChartCommand::save(c, rows, pageNumber, *png);
}

int stats(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(
            QStringLiteral("Es fehlt der Unterbefehl (customers, unpaid, weeks, articles, hitlist, chart)."));
    using Run = std::function<int(CliContext&, const QStringList&)>;
    const std::vector<std::pair<QString, Run>> subs{
        {QStringLiteral("customers"), customers}, {QStringLiteral("unpaid"), unpaid},
        {QStringLiteral("weeks"), weeks},         {QStringLiteral("articles"), articles},
        {QStringLiteral("hitlist"), hitlist},     {QStringLiteral("chart"), chart}};
    for (const auto& [name, run] : subs) {
        if (name != args.first())
            continue;
        try {
            const int code = run(c, args.mid(1));
            c.out().flush();
            return code;
        } catch (const ReportError& e) {
            throw CliUsageError(e.message());
        }
    }
    throw CliUsageError(QStringLiteral("Unbekannter Unterbefehl \"%1\".").arg(args.first()));
}

} // namespace

void StatisticsCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("stats"),
        QStringLiteral(
            "--home VERZ stats customers VON BIS [--sort umsatz|sterne|vorfuehrung|gastgeber] [--min N] | "
            "unpaid VON BIS | weeks VON BIS | articles [--artikel PREFIX] [--va VA] [--von W] [--bis W] | "
            "hitlist [dieselben Angaben] [--sort artikel|menge|umsatz|sterne] | "
            "chart VON BIS [--sort …] [--min N] --png DATEI [--page N]"),
        true, stats));
}

} // namespace korbelant
