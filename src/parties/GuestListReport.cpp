#include "parties/GuestListReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/Options.h"
#include "parties/PartyListFrame.h"
#include "parties/PartyReportData.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString GuestListReport::PaidName = QStringLiteral("gaeste-bezahlt");
const QString GuestListReport::FormName = QStringLiteral("gaesteliste");

namespace {

using Participant = PartyReportData::Participant;

QString currencySymbol(const Options& options)
{
    return options.checked(QStringLiteral("Euro")) ? QStringLiteral(" €") : QStringLiteral(" DM");
}

std::vector<ReportColumn> paidColumns(const Options& options)
{
    return {ReportColumn::text(QStringLiteral("P.-Nr.\nK.-Nr."), 16),
            ReportColumn::text(QStringLiteral("Name,\nVorname"), 38),
            ReportColumn::text(QStringLiteral("Strasse\nPlz Ort"), 42),
            ReportColumn::text(QStringLiteral("Telefon\nFax"), 26),
            ReportColumn::text(QStringLiteral("Nächst. Vorfü."), 26),
            ReportColumn::number(QStringLiteral("Verkauf") + currencySymbol(options), 22,
                                 ReportColumn::Format::Money, false),
            ReportColumn::text(QStringLiteral("bezahlt"), 16, ReportColumn::Align::Center)};
}

// Two lines per guest: numbers, name, address and telephone over customer number, first name,
// town and fax.
ReportRow paidRow(const Participant& p)
{
    const PartyAddress& c = p.customer;
    ReportRow row{{p.P_NR, c.NAME + QLatin1Char(','), c.STRASSE, c.TELEFON, GermanFormat::date(p.N_DATUM),
                   p.UMSATZ, p.BEZAHLT ? QStringLiteral("JA") : QStringLiteral("NEIN")},
                  {{c.K_NR, c.VORNAME, c.town(), c.FAX}}};
    return row;
}

// A row of the form; the unknown customer's rows keep only the guest number, and every row has
// room below for writing.
ReportRow formRow(const Participant& p)
{
    const PartyAddress& c = p.customer;
    ReportRow row;
    if (c.unknown())
        row.values = {p.P_NR, QString(), QString(), QString(), QString()};
    else
        row.values = {p.P_NR, c.nameFirst(), c.STRASSE, c.town(), c.TELEFON};
    row.extraLines = {QStringList()};
    row.shaded = p.P_NR.toInt() % 2 == 0;
    return row;
}

ReportSection formHead(const PartyReportData::Header& header)
{
    return PartyListFrame::linesSection({QStringLiteral("am: ") + GermanFormat::date(header.DATUM) +
                                             QStringLiteral("    bei: ") + header.host.nameFirst(),
                                         QStringLiteral("Vorname, Name des/der GastgeberIn")});
}

} // namespace

ReportDocument GuestListReport::paid(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const QString rNr = data.header(PartyListFrame::partyArgument(args)).R_NR;
    ReportDocument doc;
    doc.title = QStringLiteral("KLV-Gästeliste");
    doc.sections.push_back(PartyListFrame::partyNumber(rNr));
    ReportSection list;
    list.columns = paidColumns(set.options());
    ReportGroup guests;
    for (const Participant& p : data.participants(rNr))
        guests.rows.push_back(paidRow(p));
    list.groups.push_back(guests);
    list.shadeAlternateRows = true;
    doc.sections.push_back(list);
    return doc;
}

ReportDocument GuestListReport::form(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args));
    ReportDocument doc;
    doc.title = QStringLiteral("Gästeliste");
    doc.subtitle = QStringLiteral("Für die Tupperparty®");
    doc.orientation = ReportDocument::Orientation::Landscape;
    doc.sections.push_back(formHead(header));
    ReportSection list;
    list.columns = {ReportColumn::text(QStringLiteral("Nr."), 12),
                    ReportColumn::text(QStringLiteral("Name, Vorname"), 70),
                    ReportColumn::text(QStringLiteral("Strasse"), 70),
                    ReportColumn::text(QStringLiteral("PLZ Ort"), 70),
                    ReportColumn::text(QStringLiteral("Telefon"), 51)};
    ReportGroup guests;
    for (const Participant& p : data.participants(header.R_NR))
        guests.rows.push_back(formRow(p));
    list.groups.push_back(guests);
    doc.sections.push_back(list);
    return doc;
}

void GuestListReport::registerIn(ReportRegistry& registry)
{
    registry.add({PaidName, QStringLiteral("R_NR"),
                  QStringLiteral("KLV-Gästeliste der Vorführung R_NR mit Anschrift, Verkauf und \"bezahlt\""),
                  &GuestListReport::paid});
    registry.add({FormName, QStringLiteral("R_NR"),
                  QStringLiteral("Gästeliste der Vorführung R_NR zum Ausfüllen (quer)"),
                  &GuestListReport::form});
}

} // namespace korbelant
