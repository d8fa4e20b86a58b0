#include "week/StarListReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TuppkopfFields.h"
#include "core/WeekKey.h"
#include "exchange/TransferQueries.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"
#include "week/WeekPartyBlock.h"
#include "week/WeekReportArguments.h"

#include <algorithm>

namespace korbelant {

const QString StarListReport::Name = QStringLiteral("sterneliste");

namespace {

using H = TuppkopfFields;

// The participants of one party with the given address kind ("B" nominated, "V" booked), by name:
// one line each with name, street, postcode and town and telephone.
QStringList participants(const ResultTable& addresses, const QString& rNr, const QString& kind)
{
    std::vector<std::pair<QString, QString>> lines;
    for (int r = 0; r < addresses.rowCount(); ++r) {
        if (addresses.value(r, QStringLiteral("KZ")).toString() != kind ||
            addresses.value(r, QStringLiteral("R_Nr")).toString() != rNr)
            continue;
        const QString name = addresses.value(r, QStringLiteral("GName")).toString();
        QString line = QStringLiteral("    ") + name + QStringLiteral(",  ") +
                       addresses.value(r, QStringLiteral("Strasse")).toString() + QStringLiteral(",  ") +
                       addresses.value(r, QStringLiteral("PLZ")).toString() + QLatin1Char(' ') +
                       addresses.value(r, QStringLiteral("Ort")).toString() + QStringLiteral(",  Tel. ") +
                       addresses.value(r, QStringLiteral("Telefon")).toString();
        if (kind == QStringLiteral("V"))
            line += QStringLiteral(",  Datum der Vorführung : ") +
                    GermanFormat::date(addresses.value(r, QStringLiteral("Verabred_Datum")).toDate());
        lines.emplace_back(name, line);
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    QStringList result;
    for (const auto& line : lines)
        result << line.second;
    return result;
}

ReportGroup partyBlock(Database& db, const WeekPartyView::Row& party, const ResultTable& addresses)
{
    ReportGroup group = WeekPartyBlock::group(db, party, true, false);
    ReportRow& row = group.rows.front();
    const QString rNr = RecordValue::text(party.header, H::R_NR);
    if (RecordValue::integer(party.header, H::BENENN_TUP) > 0)
        row.wideLines << StarListReport::kNominations << StarListReport::kNominationsNote
                      << participants(addresses, rNr, QStringLiteral("B"));
    if (RecordValue::integer(party.header, H::VERABRED) > 0)
        row.wideLines << StarListReport::kBookings << participants(addresses, rNr, QStringLiteral("V"));
    return group;
}

ReportTextBlock accountBlock(DataSet& set, const WeekRange& range)
{
    ReportTextBlock account;
    account.lines << ConsultantAddress::accountLine(set.options())
                  << QStringLiteral("Woche.... : ") + WeekKey::displayWeek(range.week)
                  << QStringLiteral("für meine Gastgeberin");
    return account;
}

} // namespace

ReportDocument StarListReport::build(DataSet& set, const QStringList& args)
{
    const WeekRange range = WeekReportArguments::parse(set.db(), args);
    const ResultTable addresses = TransferQueries(set.db(), set.options()).AddressQuerry(range);
    ReportDocument doc;
    doc.title = QStringLiteral("Sterne - Übersicht");
    doc.pageHeader = {
        accountBlock(set, range),
        ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, true)};
    ReportSection section;
    section.heading = QStringLiteral("Meine Vorführungen :");
    section.columns = WeekPartyBlock::columns();
    section.shadeAlternateRows = true;
    for (const WeekPartyView::Row& party : WeekPartyView::rows(set.db(), set.options(), range))
        section.groups.push_back(partyBlock(set.db(), party, addresses));
    doc.sections.push_back(section);
    return doc;
}

void StarListReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("MWOCHE [--von T --bis T]"),
                  QStringLiteral("Sterne-Übersicht der Woche MWOCHE (JJJJWW) mit den Gastgeberinnen, ihren "
                                 "Benennungen und gebuchten Vorführungen"),
                  &StarListReport::build});
}

} // namespace korbelant
