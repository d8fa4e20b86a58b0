#include "statistics/BestSellerReport.h"

#include "core/DataSet.h"
#include "core/WeekKey.h"
#include "reports/ReportRegistry.h"
#include "statistics/StatisticsArguments.h"
#include "statistics/TStatistikDataModul.h"

namespace korbelant {

const QString BestSellerReport::Name = QStringLiteral("statistik-hitliste");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Artikel-Nr."), 22),
            ReportColumn::text(QStringLiteral("VA-Nr."), 14),
            ReportColumn::text(QStringLiteral("Text"), 70),
            ReportColumn::number(QStringLiteral("Stück"), 16, Format::Integer, false),
            ReportColumn::number(QStringLiteral("Sterne"), 16, Format::Integer, false),
            ReportColumn::number(QStringLiteral("Einkauf\nEinzel"), 22, Format::Money, false),
            ReportColumn::number(QStringLiteral("Einkauf\nSumme"), 24, Format::Money, true),
            ReportColumn::number(QStringLiteral("Verkauf\nEinzel"), 22, Format::Money, false),
            ReportColumn::number(QStringLiteral("Verkauf\nSumme"), 24, Format::Money, true)};
}

} // namespace

QString BestSellerReport::title(const ArticleSalesQuery::Conditions& c)
{
    return QStringLiteral("Übersicht von Artikel ") + c.article + QStringLiteral("*  mit der VA ") +
           StatisticsArguments::kindShown(c.kind) + QStringLiteral("  der Wochen ") +
           WeekKey::displayWeek(c.fromWeek) + QStringLiteral(" bis ") + WeekKey::displayWeek(c.toWeek);
}

ReportDocument BestSellerReport::document(const std::vector<BestSeller>& rows,
                                          const ArticleSalesQuery::Conditions& conditions)
{
    ReportSection section;
    section.columns = columns();
    section.shadeAlternateRows = true;
    ReportGroup group;
    for (const BestSeller& b : rows)
        group.rows.push_back(ReportRow{
            {b.L_NR, b.VA, b.L_TEXT, b.Stueck, b.Sterne, b.EINZ_KOST, b.KOSTEN, b.EINZ_PREIS, b.SUMME}});
    section.groups.push_back(group);
    section.summaryLabel = QStringLiteral("Summe :");
    ReportDocument doc;
    // The long description stands under a short title, which the page head has room for.
    doc.title = QStringLiteral("Artikel-Hitliste");
    doc.subtitle = title(conditions);
    doc.orientation = ReportDocument::Orientation::Landscape;
    doc.sections.push_back(section);
    return doc;
}

ReportDocument BestSellerReport::build(DataSet& set, const QStringList& args)
{
    const StatisticsArguments::Articles request = StatisticsArguments::articles(args, true);
    return document(TStatistikDataModul(set.db()).ArtikelSumQuery(request.conditions, request.sort),
                    request.conditions);
}

void BestSellerReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name,
                  QStringLiteral("[--artikel PREFIX] [--va VA] [--von W] [--bis W] "
                                 "[--sort artikel|menge|umsatz|sterne]"),
                  QStringLiteral("Artikel-Hitliste: verkaufte Menge, Sterne und Umsatz je Artikel und VA"),
                  &BestSellerReport::build});
}

} // namespace korbelant
