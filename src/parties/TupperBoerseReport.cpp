#include "parties/TupperBoerseReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "parties/PartyListFrame.h"
#include "parties/PartyReportData.h"
#include "parties/SecondCurrency.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString TupperBoerseReport::Name = QStringLiteral("tupperboerse");

namespace {

using Format = ReportColumn::Format;

// The guests' columns; the second amount column takes its room from name, street and amount.
std::vector<ReportColumn> columns(const SecondCurrency& currency)
{
    const bool second = currency.shown();
    ReportColumn amount =
        ReportColumn::number(QStringLiteral("Betrag"), second ? 22 : 26, Format::Money, true);
    amount.suffix = QLatin1Char(' ') + currency.ownSymbol();
    amount.blankZero = second;
    std::vector<ReportColumn> result{ReportColumn::text(QStringLiteral("P.-Nr."), 12),
                                     ReportColumn::text(QStringLiteral("Name,\nVorname"), second ? 40 : 44),
                                     ReportColumn::text(QStringLiteral("Plz\nOrt"), 36),
                                     ReportColumn::text(QStringLiteral("Strasse"), second ? 34 : 38),
                                     ReportColumn::text(QStringLiteral("Telefon"), 28),
                                     amount};
    if (second) {
        ReportColumn converted = ReportColumn::number(currency.columnTitle(), 24, Format::Money, true);
        converted.blankZero = true;
        converted.sumSuffix = QLatin1Char(' ') + currency.secondSymbol();
        result.push_back(converted);
    }
    return result;
}

ReportRow rowOf(const PartyReportData::Participant& p, const SecondCurrency& currency)
{
    const PartyAddress& c = p.customer;
    ReportRow row{{p.P_NR, c.nameFirst(), c.town(), c.STRASSE, c.TELEFON, p.UMSATZ}, {}};
    if (currency.shown())
        row.values << currency.convert(p.UMSATZ);
    return row;
}

// Stars and delivery date under the total.
ReportSection starResult(const PartyReportData& data, const PartyReportData::Header& header,
                         const Options& options)
{
    return PartyListFrame::linesSection(
        {QStringLiteral("erreichte Sterne : ") + QString::number(data.earnedStars(header, options)),
         QStringLiteral("eingegebene Sterne : ") + QString::number(header.STERNE),
         QStringLiteral("Liefertermin am: ") + GermanFormat::date(header.AUSLIEFER1)});
}

} // namespace

ReportDocument TupperBoerseReport::build(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args));
    const SecondCurrency currency = SecondCurrency::of(set.options(), QStringLiteral("Gaeste"));

    ReportDocument doc;
    doc.title = QStringLiteral("Tupper-Börse");
    doc.footerLines = PartyListFrame::footerLines(set.options(), currency.shown());
    doc.pageHeader = {PartyListFrame::addressBlock(header.host), PartyListFrame::consultantBlock(set, true)};

    doc.sections.push_back(PartyListFrame::partyNumber(header.R_NR));
    ReportSection list;
    list.columns = columns(currency);
    ReportGroup guests;
    for (const PartyReportData::Participant& p : data.participants(header.R_NR))
        guests.rows.push_back(rowOf(p, currency));
    list.groups.push_back(guests);
    list.summaryLabel = QStringLiteral("Insgesamt :");
    doc.sections.push_back(list);
    doc.sections.push_back(starResult(data, header, set.options()));
    return doc;
}

void TupperBoerseReport::registerIn(ReportRegistry& registry)
{
    registry.add(
        {Name, QStringLiteral("R_NR"),
         QStringLiteral("Tupper-Börse der Vorführung R_NR: die Gäste mit ihren Beträgen und die Sterne"),
         &build});
}

} // namespace korbelant
