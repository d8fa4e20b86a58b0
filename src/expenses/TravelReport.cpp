#include "expenses/TravelReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/ScriptedUi.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString TravelReport::Name = QStringLiteral("reiseabrechnung");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Datum"), 22),
            ReportColumn::text(QStringLiteral("Fahrstrecke / Spesen-Pauschale"), 108),
            ReportColumn::number(QStringLiteral("Fahrt in KM\n(hin und\nzurück)"), 22, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Betrag"), 24, Format::Money, true)};
}

} // namespace

ReportDocument TravelReport::document(const std::vector<TravelEntry>& entries,
                                      const TravelAccount::Range& range, const ConsultantAddress& consultant)
{
    ReportDocument doc;
    doc.title = QStringLiteral("Reiseabrechnung");
    doc.subtitle = QStringLiteral("von ") + GermanFormat::date(range.from) + QStringLiteral(" bis ") +
                   GermanFormat::date(range.to);
    doc.pageHeader = {consultant.block(ReportTextBlock::Side::Left, true)};
    ReportSection section;
    section.columns = columns();
    ReportGroup group;
    for (const TravelEntry& e : entries)
        group.rows.push_back(ReportRow{{GermanFormat::date(e.Datum), e.Text, e.KM, e.Betrag}});
    section.groups.push_back(group);
    section.summaryLabel = QStringLiteral("Summe :");
    doc.sections.push_back(section);
    return doc;
}

ReportDocument TravelReport::build(DataSet& set, const QStringList& args)
{
    if (args.size() != 2)
        throw ReportError(QStringLiteral("Erwartet werden Von-Datum und Bis-Datum (TT.MM.JJJJ)."));
    // Dates of two years are taken as given: the command line has said so.
    ScriptedUi ui({UiPort::Answer::Ok});
    const auto range = TravelAccount::checkedRange(args.at(0), args.at(1), ui);
    if (!range)
        throw ReportError(ui.shownTexts().value(0));
    return document(TravelAccount(set.db()).entries(*range), *range,
                    ConsultantAddress::read(set.db(), set.options()));
}

void TravelReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("VON BIS"),
                  QStringLiteral("Reiseabrechnung: Fahrten und Verpflegungspauschalen vom Datum VON bis BIS "
                                 "(TT.MM.JJJJ)"),
                  &TravelReport::build});
}

} // namespace korbelant
