#include "week/SuccessOverviewReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TuppkopfFields.h"
#include "core/WeekKey.h"
#include "exchange/TransferQueries.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"
#include "week/TWocheDataModul.h"
#include "week/WeekPartyBlock.h"
#include "week/WeekReportArguments.h"

#include <algorithm>
#include <optional>

namespace korbelant {

const QString SuccessOverviewReport::Name = QStringLiteral("erfolg");

namespace {

using H = TuppkopfFields;

const QString kSpecialOfferKind = QStringLiteral("32");
const QString kBlankAppointment = QStringLiteral("______________");

ReportSection parties(DataSet& set, const std::vector<WeekPartyView::Row>& view)
{
    const bool withAddress = set.options().checked(QStringLiteral("GGAdress"));
    ReportSection section;
    section.heading = QStringLiteral("Meine Vorführungen :");
    section.columns = WeekPartyBlock::columns();
    section.shadeAlternateRows = true;
    double sales = 0;
    for (const WeekPartyView::Row& party : view) {
        section.groups.push_back(WeekPartyBlock::group(set.db(), party, withAddress, true));
        sales += RecordValue::number(party.header, H::S_UMSATZ);
    }
    if (!view.empty())
        section.summaryLabel = QStringLiteral("Summen :   (%1)").arg(GermanFormat::money(sales));
    return section;
}

// The order lines of the special-offer kind; none when the only row has no article number.
std::optional<ReportSection> specialOffers(DataSet& set, const WeekRange& range)
{
    const ResultTable lines = TransferQueries(set.db(), set.options()).RechQuery(range);
    ReportGroup group;
    for (int r = 0; r < lines.rowCount(); ++r) {
        if (lines.value(r, QStringLiteral("VA")).toString() != kSpecialOfferKind)
            continue;
        group.rows.push_back(
            {{lines.value(r, QStringLiteral("Z_NR")), lines.value(r, QStringLiteral("L_TEXT")),
              GermanFormat::number(lines.value(r, QStringLiteral("STUECK")).toDouble(), 0) +
                  QStringLiteral(" Stück")},
             {}});
    }
    if (group.rows.empty() ||
        (group.rows.size() == 1 && group.rows.front().values.at(0).toString().isEmpty()))
        return std::nullopt;
    ReportSection section;
    section.heading = SuccessOverviewReport::kOffersHeading;
    section.columns = {ReportColumn::text(QStringLiteral("Artikel-Nr."), 30),
                       ReportColumn::text(QStringLiteral("Text"), 100),
                       ReportColumn::text(QString(), 30, ReportColumn::Align::Right)};
    section.groups.push_back(group);
    return section;
}

std::optional<ReportSection> nominations(DataSet& set, const WeekRange& range)
{
    const ResultTable addresses = TransferQueries(set.db(), set.options()).AddressQuerry(range);
    std::vector<ReportRow> rows;
    for (int r = 0; r < addresses.rowCount(); ++r) {
        if (addresses.value(r, QStringLiteral("KZ")).toString() != QStringLiteral("B"))
            continue;
        const QString phone = addresses.value(r, QStringLiteral("Telefon")).toString();
        rows.push_back(
            {{addresses.value(r, QStringLiteral("GName")), addresses.value(r, QStringLiteral("Strasse")),
              addresses.value(r, QStringLiteral("PLZ")).toString() + QStringLiteral("  ") +
                  addresses.value(r, QStringLiteral("Ort")).toString(),
              phone.isEmpty() ? QString() : QStringLiteral("Tel. ") + phone},
             {}});
    }
    if (rows.empty())
        return std::nullopt;
    std::stable_sort(rows.begin(), rows.end(), [](const ReportRow& a, const ReportRow& b) {
        return QString::localeAwareCompare(a.values.at(0).toString(), b.values.at(0).toString()) < 0;
    });
    ReportSection section;
    section.heading = SuccessOverviewReport::kNominationsHeading;
    section.columns = {ReportColumn::text(QStringLiteral("Name"), 55),
                       ReportColumn::text(QStringLiteral("Straße"), 45),
                       ReportColumn::text(QStringLiteral("PLZ, Ort"), 50),
                       ReportColumn::text(QStringLiteral("Telefon"), 36)};
    section.shadeAlternateRows = true;
    ReportGroup group;
    group.rows = std::move(rows);
    section.groups.push_back(group);
    return section;
}

int sum(const std::vector<WeekPartyView::Row>& view, const QString& field)
{
    int total = 0;
    for (const WeekPartyView::Row& party : view)
        total += field == QStringLiteral("Verabred_2") ? party.Verabred_2.toInt()
                                                       : RecordValue::integer(party.header, field);
    return total;
}

QString orBlank(const QString& text)
{
    return text.isEmpty() ? kBlankAppointment : text;
}

ReportSection summary(DataSet& set, const QVariantMap& week, const std::vector<WeekPartyView::Row>& view)
{
    auto field = [&](const char* name) { return RecordValue::text(week, QString::fromLatin1(name)); };
    ReportTextBlock figures;
    figures.lines << QStringLiteral("Gesamt Vorführungen diese Woche : %1").arg(view.size())
                  << QStringLiteral("Anzahl Gäste..: %1").arg(sum(view, H::GAESTE))
                  << QStringLiteral("Zahl der neuen Verabredungen : %1").arg(sum(view, H::VERABRED))
                  << QStringLiteral("(davon in den nächsten ") + set.options().text(QStringLiteral("Weeks")) +
                         QStringLiteral(" Wochen:  ") +
                         QString::number(sum(view, QStringLiteral("Verabred_2"))) + QLatin1Char(')')
                  << QStringLiteral("Benennungen : %1").arg(sum(view, H::BENENN_TUP))
                  << QStringLiteral("GB - Rekrutierungsbesuche : %1")
                         .arg(RecordValue::integer(week, QStringLiteral("REK_BESUCH")));
    figures.lines << QStringLiteral("Bemerkungen : ") + field("Bemerkung");
    const QDate pickup = RecordValue::date(week, QStringLiteral("A_DATUM"));
    figures.lines << QStringLiteral("Abholung am : ") +
                         orBlank(pickup.isValid() ? GermanFormat::date(pickup) : QString()) +
                         QStringLiteral(" um ") + orBlank(field("A_ZEIT").left(5));
    ReportTextBlock planned;
    planned.side = ReportTextBlock::Side::Right;
    for (int k = 1; k <= 6; ++k)
        planned.lines << QStringLiteral("Geplante Vorführungen %1. Woche : %2")
                             .arg(k)
                             .arg(RecordValue::integer(week, QStringLiteral("VORFUEHR_%1").arg(k)));
    planned.lines << QStringLiteral("Meine Start VF in Höhe von ") +
                         GermanFormat::money(RecordValue::number(week, QStringLiteral("Start_VF")))
                  << QStringLiteral("bitte Frau ") + field("Start_NAME")
                  << QStringLiteral("Ber. Kto. ") + field("Start_BER")
                  << QStringLiteral("ebenfalls gutschreiben.");
    ReportSection section;
    section.heading = QStringLiteral("Erfolgsübersicht :");
    section.blocks = {figures, planned};
    return section;
}

} // namespace

ReportDocument SuccessOverviewReport::build(DataSet& set, const QStringList& args)
{
    const WeekRange range = WeekReportArguments::parse(set.db(), args);
    const QVariantMap week = TWocheDataModul::readRecord(set.db(), range.week);
    const auto view = WeekPartyView::rows(set.db(), set.options(), range);
    ReportDocument doc;
    doc.title = QStringLiteral("Erfolgsübersicht");
    ReportTextBlock account;
    account.lines << ConsultantAddress::accountLine(set.options())
                  << QStringLiteral("Woche     : ") + WeekKey::displayWeek(range.week);
    doc.pageHeader = {
        account, ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, false)};
    doc.sections.push_back(parties(set, view));
    if (auto offers = specialOffers(set, range))
        doc.sections.push_back(*offers);
    if (auto nominated = nominations(set, range))
        doc.sections.push_back(*nominated);
    doc.sections.push_back(summary(set, week, view));
    return doc;
}

void SuccessOverviewReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("MWOCHE [--von T --bis T]"),
                  QStringLiteral("Erfolgsübersicht der Woche MWOCHE (JJJJWW) mit den Vorführungen, "
                                 "Sonderangeboten, Benennungen und der Wochenplanung"),
                  &SuccessOverviewReport::build});
}

} // namespace korbelant
