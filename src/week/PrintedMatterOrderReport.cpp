#include "week/PrintedMatterOrderReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/WeekKey.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"
#include "week/PartWeekSums.h"
#include "week/PrintedMatter.h"
#include "week/TWocheDataModul.h"
#include "week/WeekReportArguments.h"

namespace korbelant {

const QString PrintedMatterOrderReport::Name = QStringLiteral("drucksachen");

namespace {

ReportTextBlock plannedParties(const QVariantMap& week)
{
    ReportTextBlock block;
    block.firstLineBold = true;
    block.lines << QStringLiteral("Geplante Vorführungen");
    for (int k = 1; k <= 6; ++k)
        block.lines << QStringLiteral("%1.Woche : %2")
                           .arg(k)
                           .arg(week.value(QStringLiteral("VORFUEHR_%1").arg(k)).toInt());
    return block;
}

ReportTextBlock weekFigures(const ResultTable& sums)
{
    auto money = [&](const char* column) {
        return GermanFormat::money(sums.value(0, QString::fromLatin1(column)).toDouble());
    };
    auto count = [&](const char* column) {
        return QString::number(sums.value(0, QString::fromLatin1(column)).toInt());
    };
    ReportTextBlock block;
    block.side = ReportTextBlock::Side::Right;
    block.lines << QStringLiteral("Anzahl Gäste : ") + count("S_GAESTE")
                << QStringLiteral("Mein Umsatz : %1 (%2)").arg(money("SVKG_UMSATZ"), money("SS_UMSATZ"))
                << QStringLiteral("Vorführungen : ") + count("S_VORFUEHR")
                << QStringLiteral("Sterne : ") + count("S_STERNE");
    return block;
}

ReportSection items(const QVariantMap& week, const QStringList& names)
{
    ReportSection section;
    section.columns = {
        ReportColumn::text(QStringLiteral("Drucksache"), 120),
        ReportColumn::number(QStringLiteral("Anzahl"), 25, ReportColumn::Format::Integer, false)};
    ReportGroup group;
    for (int n = 1; n <= std::min<int>(PrintedMatter::kItems, static_cast<int>(names.size())); ++n)
        group.rows.push_back({{names.at(n - 1), week.value(QStringLiteral("DR_%1").arg(n)).toInt()}, {}});
    section.groups.push_back(group);
    return section;
}

} // namespace

ReportDocument PrintedMatterOrderReport::build(DataSet& set, const QStringList& args)
{
    const WeekRange range = WeekReportArguments::parse(set.db(), args);
    const QVariantMap week = TWocheDataModul::readRecord(set.db(), range.week);
    ReportDocument doc;
    doc.title = QStringLiteral("Drucksachenbestellung");
    ReportTextBlock account;
    account.lines << ConsultantAddress::accountLine(set.options())
                  << QStringLiteral("Woche.... : ") + WeekKey::displayWeek(range.week);
    doc.pageHeader = {
        account, ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, true)};
    ReportSection figures;
    figures.blocks = {plannedParties(week), weekFigures(PartWeekSums::wholeWeek(set.db(), range.week))};
    doc.sections.push_back(figures);
    doc.sections.push_back(items(week, PrintedMatter::names(set.db())));
    return doc;
}

void PrintedMatterOrderReport::registerIn(ReportRegistry& registry)
{
    registry.add(
        {Name, QStringLiteral("MWOCHE [--von T --bis T]"),
         QStringLiteral("Drucksachenbestellung der Woche MWOCHE (JJJJWW) mit den geplanten Vorführungen "
                        "und den Summen der ganzen Woche"),
         &PrintedMatterOrderReport::build});
}

} // namespace korbelant
