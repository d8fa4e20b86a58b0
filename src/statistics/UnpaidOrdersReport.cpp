#include "statistics/UnpaidOrdersReport.h"

#include "core/DataSet.h"
#include "core/WeekKey.h"
#include "reports/ReportRegistry.h"
#include "statistics/StatisticsArguments.h"
#include "statistics/TStatistikDataModul.h"

namespace korbelant {

const QString UnpaidOrdersReport::Name = QStringLiteral("statistik-bezahlt");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Vorf.-Nr."), 20),
            ReportColumn::text(QStringLiteral("P.-Nr."), 12),
            ReportColumn::text(QStringLiteral("Woche"), 18),
            ReportColumn::text(QStringLiteral("Kun.-Nr."), 16),
            ReportColumn::text(QStringLiteral("Name, Vorname"), 56),
            ReportColumn::text(QStringLiteral("Ort"), 50),
            ReportColumn::number(QStringLiteral("Umsatz"), 22, Format::Money, true),
            ReportColumn::text(QStringLiteral("Bezahlt"), 26)};
}

} // namespace

ReportDocument UnpaidOrdersReport::document(const std::vector<UnpaidOrder>& orders)
{
    ReportSection section;
    section.columns = columns();
    for (const UnpaidOrder& o : orders) {
        const QString header = QStringLiteral("Vorf.-Nr. : ") + o.R_NR;
        if (section.groups.empty() || section.groups.back().header != header) {
            ReportGroup group;
            group.header = header;
            section.groups.push_back(group);
        }
        section.groups.back().rows.push_back(
            ReportRow{{o.R_NR, o.P_NR, WeekKey::displayWeek(o.MWoche), o.K_NR, o.NAME, o.ORT, o.UMSATZ,
                       UnpaidOrder::paidShown(o.BEZAHLT)}});
    }
    section.summaryLabel = QStringLiteral("Summe :");
    ReportDocument doc;
    doc.title = QStringLiteral("Übersicht aller als \"nicht bezahlt\" markierten Bestellungen");
    doc.orientation = ReportDocument::Orientation::Landscape;
    doc.sections.push_back(section);
    return doc;
}

ReportDocument UnpaidOrdersReport::build(DataSet& set, const QStringList& args)
{
    return document(TStatistikDataModul(set.db()).BezahltQuery(StatisticsArguments::period(args)));
}

void UnpaidOrdersReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("VON BIS"),
                  QStringLiteral("Alle als \"nicht bezahlt\" markierten Bestellungen der Wochen VON bis BIS"),
                  &UnpaidOrdersReport::build});
}

} // namespace korbelant
