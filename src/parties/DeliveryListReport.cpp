#include "parties/DeliveryListReport.h"

#include "core/DataSet.h"
#include "parties/DeliveryColumns.h"
#include "parties/PartyListFrame.h"
#include "parties/PartyReportData.h"
#include "parties/SecondCurrency.h"
#include "reports/ReportRegistry.h"

#include <algorithm>

namespace korbelant {

const QString DeliveryListReport::PerGuestName = QStringLiteral("auslieferung-gast");
const QString DeliveryListReport::SheetsName = QStringLiteral("einzelblaetter");
const QString DeliveryListReport::HostListName = QStringLiteral("gastgeberliste");

namespace {

using Line = PartyReportData::Line;

// The columns of the lists per guest; the kind is headed "VA" in the lists with a second column.
DeliveryColumns guestColumns(const SecondCurrency& currency)
{
    DeliveryColumns columns(currency);
    columns.pieces()
        .text(QStringLiteral("Art.-Nr."), 19, &Line::L_NR)
        .text(currency.shown() ? QStringLiteral("VA") : QStringLiteral("VA-Nr."), 13, &Line::VA)
        .text(QStringLiteral("Artikel"), currency.shown() ? 40 : 60, &Line::L_TEXT)
        .price()
        .amount()
        .stars()
        .status()
        .secondAmount();
    return columns;
}

ReportDocument listDocument(DataSet& set, const QString& title, const SecondCurrency& currency)
{
    ReportDocument doc;
    doc.title = title;
    doc.footerLines = PartyListFrame::footerLines(set.options(), currency.shown());
    return doc;
}

// A list over the whole party: the host on the left and the consultant on the right at the top
// of every page, the heading and the list number above the lines.
ReportDocument partyDocument(DataSet& set, const PartyReportData::Header& header, const QString& title,
                             const QString& heading, const SecondCurrency& currency)
{
    ReportDocument doc = listDocument(set, title, currency);
    doc.pageHeader = {PartyListFrame::addressBlock(header.host), PartyListFrame::consultantBlock(set)};
    ReportSection head;
    head.heading = heading;
    ReportTextBlock number;
    number.lines << PartyListFrame::listNumber(header.R_NR);
    head.blocks = {number};
    doc.sections.push_back(head);
    return doc;
}

// One sheet: the guest's own address block with the sheet's heading above it, and her lines.
ReportSection sheet(DataSet& set, const QString& rNr, const QString& pNr, const PartyAddress& guest,
                    const std::vector<Line>& lines, const DeliveryColumns& columns)
{
    ReportTextBlock address = PartyListFrame::addressBlock(guest);
    address.firstLineBold = true;
    address.lines.prepend(QString());
    address.lines.prepend(PartyListFrame::listNumber(rNr));
    address.lines.prepend(QStringLiteral("Gast-Nr. ") + pNr);
    address.lines.prepend(QStringLiteral("EINZELGASTBESTELLUNG"));
    ReportSection section;
    section.pageHeader = {address, PartyListFrame::consultantBlock(set)};
    section.columns = columns.reportColumns();
    ReportGroup group;
    group.footerLabel = QStringLiteral("***Summe***");
    for (const Line& line : lines)
        group.rows.push_back(columns.row(line));
    section.groups.push_back(group);
    return section;
}

SecondCurrency deliveryCurrency(DataSet& set)
{
    return SecondCurrency::of(set.options(), QStringLiteral("Auslief"));
}

} // namespace

QString DeliveryListReport::statusText(const QString& vorab, const QString& nachlief)
{
    if (nachlief == QStringLiteral("V"))
        return QStringLiteral("nicht lieferbar");
    if (nachlief == QStringLiteral("J"))
        return QStringLiteral("Nachlieferung");
    if (vorab == QStringLiteral("V"))
        return QStringLiteral("Vorablieferung");
    return QString();
}

ReportDocument DeliveryListReport::perGuest(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args));
    const SecondCurrency currency = deliveryCurrency(set);
    const DeliveryColumns columns = guestColumns(currency);

    ReportDocument doc = partyDocument(
        set, header, QStringLiteral("Auslieferungsliste pro Gast"),
        QStringLiteral("GASTGEBERIN-LISTE (Unterteilt nach Einzelpositionen pro Gast)"), currency);
    ReportSection list;
    list.columns = columns.reportColumns();
    QString guest;
    for (const Line& line : data.guestLines(header.R_NR)) {
        if (list.groups.empty() || line.P_NR != guest) {
            guest = line.P_NR;
            ReportGroup group;
            group.header = QStringLiteral("Gast-Nr. %1   %2").arg(line.P_NR, line.guest.nameFirst());
            group.footerLabel = QStringLiteral("***Zwischensumme***");
            list.groups.push_back(group);
        }
        list.groups.back().rows.push_back(columns.row(line));
    }
    list.summaryLabel = QStringLiteral("Endsumme : ");
    doc.sections.push_back(list);
    return doc;
}

ReportDocument DeliveryListReport::sheets(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args, 2));
    const QString only = args.value(1).trimmed();
    if (!only.isEmpty())
        data.requireParticipant(header.R_NR, only);
    const SecondCurrency currency = deliveryCurrency(set);
    const DeliveryColumns columns = guestColumns(currency);
    const std::vector<Line> lines = data.guestLines(header.R_NR, only);

    ReportDocument doc = listDocument(set, QStringLiteral("Einzelgastbestellung"), currency);
    for (const PartyReportData::Participant& guest : data.participants(header.R_NR)) {
        std::vector<Line> own;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(own),
                     [&](const Line& l) { return l.P_NR == guest.P_NR; });
        // A guest without lines gets a sheet only when it was asked for.
        if (guest.P_NR == only || (only.isEmpty() && !own.empty()))
            doc.sections.push_back(sheet(set, header.R_NR, guest.P_NR, guest.customer, own, columns));
    }
    return doc;
}

ReportDocument DeliveryListReport::hostList(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args));
    const SecondCurrency currency = deliveryCurrency(set);
    DeliveryColumns columns(currency);
    columns.pieces()
        .text(QStringLiteral("Art.-Nr."), 19, &Line::L_NR)
        .text(QStringLiteral("Artikel"), currency.shown() ? 45 : 65, &Line::L_TEXT)
        .price()
        .text(QStringLiteral("Info"), 20, &Line::VA_INFO)
        .status()
        .amount()
        .secondAmount();

    ReportDocument doc =
        partyDocument(set, header, QStringLiteral("Gastgeberin-Liste"),
                      QStringLiteral("GASTGEBERIN-LISTE (Auflistung der kompletten Vorführung)"), currency);
    ReportSection list;
    list.columns = columns.reportColumns();
    ReportGroup all;
    for (const Line& line : data.articleLines(header.R_NR))
        all.rows.push_back(columns.row(line));
    list.groups.push_back(all);
    list.summaryLabel = QStringLiteral("Endsumme : ");
    doc.sections.push_back(list);
    return doc;
}

void DeliveryListReport::registerIn(ReportRegistry& registry)
{
    registry.add({PerGuestName, QStringLiteral("R_NR"),
                  QStringLiteral("Auslieferungsliste der Vorführung R_NR mit den Bestellungen jedes Gastes"),
                  &DeliveryListReport::perGuest});
    registry.add(
        {SheetsName, QStringLiteral("R_NR [P_NR]"),
         QStringLiteral("Einzelblätter der Vorführung R_NR: ein Blatt je Gast, mit P_NR nur für diesen "
                        "Gast"),
         &DeliveryListReport::sheets});
    registry.add({HostListName, QStringLiteral("R_NR"),
                  QStringLiteral("Gastgeberin-Liste der Vorführung R_NR: jeder Artikel einmal mit der Summe "
                                 "der Stücke"),
                  &DeliveryListReport::hostList});
}

} // namespace korbelant
