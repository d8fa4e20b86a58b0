#include "statistics/CustomerStatisticsReport.h"

#include "core/DataSet.h"
#include "reports/ReportRegistry.h"
#include "statistics/StatisticsArguments.h"
#include "statistics/TStatistikDataModul.h"

namespace korbelant {

const QString CustomerStatisticsReport::Name = QStringLiteral("statistik-kunden");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {
        ReportColumn::text(QStringLiteral("K.-Nr."), 14),
        ReportColumn::text(QStringLiteral("Vorname, Name"), 48),
        ReportColumn::text(QStringLiteral("Straße"), 42),
        ReportColumn::text(QStringLiteral("Ort"), 42),
        ReportColumn::number(QStringLiteral("Umsatz Vorführ.\nals Gast-\ngeberin"), 24, Format::Money, true),
        ReportColumn::number(QStringLiteral("Sterne\nals Gast-\ngeb."), 16, Format::Integer, false),
        ReportColumn::number(QStringLiteral("Anzahl\nVorf. als\nGastg."), 16, Format::Integer, false),
        ReportColumn::number(QStringLiteral("Umsatz\ngekaufte\nWare"), 24, Format::Money, true),
        ReportColumn::number(QStringLiteral("Anz.\nVorf. ge-\nsamt"), 16, Format::Integer, false)};
}

// "200305" -> "2003/05"; a shorter key stands as it is.
QString yearSlashWeek(const QString& key)
{
    return key.size() < 6 ? key : key.left(4) + QLatin1Char('/') + key.mid(4, 2);
}

} // namespace

QString CustomerStatisticsReport::heading(CustomerStatisticSort::Key sort, const StatisticsPeriod& period)
{
    return QStringLiteral("Statistik-Liste sortiert nach ") + CustomerStatisticSort::label(sort) +
           QStringLiteral(", von ") + yearSlashWeek(period.from) + QStringLiteral(" bis ") +
           yearSlashWeek(period.to);
}

ReportDocument CustomerStatisticsReport::document(const std::vector<CustomerStatistic>& rows,
                                                  CustomerStatisticSort::Key sort,
                                                  const StatisticsPeriod& period)
{
    ReportSection section;
    section.heading = heading(sort, period);
    section.columns = columns();
    section.shadeAlternateRows = true;
    ReportGroup group;
    for (const CustomerStatistic& c : rows)
        group.rows.push_back(ReportRow{{c.K_NR, c.NAME, c.MAX_OF_STRASSE, c.Ort, c.GastGUmsatz, c.Sterne,
                                        c.GVANZAHL, c.Umsatz, c.VANZAHL}});
    section.groups.push_back(group);
    section.summaryLabel = QStringLiteral("Endsumme :");
    ReportDocument doc;
    doc.title = QStringLiteral("Kundenstatistik");
    doc.orientation = ReportDocument::Orientation::Landscape;
    doc.sections.push_back(section);
    return doc;
}

ReportDocument CustomerStatisticsReport::build(DataSet& set, const QStringList& args)
{
    const StatisticsArguments::Customers request = StatisticsArguments::customers(args);
    const auto rows =
        TStatistikDataModul(set.db()).KundenStatistik(request.period, request.sort, request.minimum);
    return document(rows, request.sort, request.period);
}

void CustomerStatisticsReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("VON BIS [--sort umsatz|sterne|vorfuehrung|gastgeber] [--min N]"),
                  QStringLiteral("Kundenstatistik der Wochen VON bis BIS (JJJJWW, TT.MM.JJJJ oder \"-\"): "
                                 "Umsatz und Sterne als Gastgeberin und als Käuferin"),
                  &CustomerStatisticsReport::build});
}

} // namespace korbelant
