#include "parties/PartyStarFormReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/Options.h"
#include "parties/PartyListFrame.h"
#include "parties/PartyReportData.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"

#include <optional>

namespace korbelant {

const QString PartyStarFormReport::Name = QStringLiteral("zusatzsterne");

namespace {

using Participant = PartyReportData::Participant;

constexpr double kCaptionWidth = 36;

QString field(const char* caption, const QString& value)
{
    return QString::fromUtf8(caption) + QLatin1Char('\t') + value;
}

ReportTextBlock consultant(DataSet& set, const QString& week)
{
    ReportTextBlock block;
    block.framed = true;
    block.captionWidthMm = 42;
    block.lines << field("Vorname, Name der Beraterin",
                         ConsultantAddress::read(set.db(), set.options()).BName)
                << field("Beraterin - Konto", set.options().text(QStringLiteral("BNR")))
                << field("Gr.-Nr. ", set.options().text(QStringLiteral("Gruppen_NR")))
                << field("Woche   Jahr", week.mid(4) + QStringLiteral("   ") + week.left(4));
    return block;
}

ReportTextBlock host(const PartyAddress& a)
{
    ReportTextBlock block;
    block.side = ReportTextBlock::Side::Right;
    block.framed = true;
    block.firstLineBold = true;
    block.captionWidthMm = kCaptionWidth;
    QStringList name;
    for (const QString& part : {a.ANREDE, a.VORNAME, a.NAME}) {
        if (!part.isEmpty())
            name << part;
    }
    block.lines << QStringLiteral("GastgeberIn -Name und -Anschrift :")
                << field("Vorname, Name", name.join(QLatin1Char(' ')))
                << field("Strasse, Hausnummer", a.STRASSE) << field("PLZ", a.PLZ) << field("Ort", a.ORT)
                << field("Telefon", a.TELEFON) << field("Mobil", a.TELEFON2) << field("e-mail", a.EMAIL);
    return block;
}

// The party's figures, each under its two-line caption, and three spare boxes.
ReportSection figures(const PartyReportData::Header& h)
{
    using Format = ReportColumn::Format;
    ReportSection section;
    section.columns = {
        ReportColumn::number(QStringLiteral("Umsatz\nInklusive"), 28, Format::Money, false),
        ReportColumn::number(QStringLiteral("Das besondere\nAngebot(Stück)"), 32, Format::Integer, false),
        ReportColumn::number(QStringLiteral("Zahl der neuen\nVerabredungen"), 32, Format::Integer, false),
        ReportColumn::number(QStringLiteral("Zahl der\nGäste"), 22, Format::Integer, false),
        ReportColumn::text(QStringLiteral("Reserve I"), 24),
        ReportColumn::text(QStringLiteral("Reserve II"), 24),
        ReportColumn::text(QStringLiteral("Reserve III"), 24)};
    for (ReportColumn& column : section.columns)
        column.align = ReportColumn::Align::Center;
    ReportGroup group;
    // The row is two lines high, so that the spare boxes can be written in.
    group.rows.push_back({{h.VKG_UMSATZ, h.S_ANGEBOTE, h.VERABRED, h.GAESTE, QString(), QString(), QString()},
                          {QStringList()}});
    section.groups.push_back(group);
    return section;
}

// The box of a booked party; blank for the unknown customer and for the boxes that fill a pair.
ReportTextBlock booking(const std::optional<Participant>& p, ReportTextBlock::Side side)
{
    const bool known = p && !p->customer.unknown();
    const PartyAddress a = known ? p->customer : PartyAddress{};
    ReportTextBlock block;
    block.side = side;
    block.framed = true;
    block.captionWidthMm = kCaptionWidth;
    block.lines << field("Vorname, Name", a.fullName()) << field("Strasse, Hausnummer", a.STRASSE)
                << field("PLZ", a.PLZ) << field("Ort", a.ORT) << field("Telefon", a.TELEFON)
                << field("Mobil", a.TELEFON2) << field("e-mail", a.EMAIL)
                << field("Datum der Vorführung", known ? GermanFormat::date(p->Verabred_DATUM) : QString());
    return block;
}

std::vector<ReportSection> bookings(const std::vector<Participant>& appointments)
{
    std::vector<std::optional<Participant>> boxes(appointments.begin(), appointments.end());
    boxes.resize(std::max<std::size_t>(2, (boxes.size() + 1) / 2 * 2));
    std::vector<ReportSection> sections;
    for (std::size_t i = 0; i < boxes.size(); i += 2) {
        ReportSection pair;
        if (i == 0)
            pair.heading = QStringLiteral("Folgende Vorführungen wurden gebucht :");
        pair.blocks = {booking(boxes.at(i), ReportTextBlock::Side::Left),
                       booking(boxes.at(i + 1), ReportTextBlock::Side::Right)};
        sections.push_back(pair);
    }
    return sections;
}

ReportTextBlock nomination(const Participant& p)
{
    const PartyAddress a = p.customer.unknown() ? PartyAddress{} : p.customer;
    const QString time = p.BENE_ZEIT.left(5);
    ReportTextBlock block;
    block.framed = true;
    block.firstLineBold = true;
    block.captionWidthMm = kCaptionWidth;
    block.lines << QStringLiteral("Benennung:")
                << QStringLiteral("Die folgende Dame möchte unverbindlich über die Tätigkeit einer "
                                  "Tupperwaren-Beraterin informiert werden.")
                << field("Vorname, Name", a.fullName()) << field("Strasse, Hausnummer", a.STRASSE)
                << field("PLZ, Ort", a.town()) << field("Telefon", a.TELEFON) << field("Mobil", a.TELEFON2)
                << field("e-mail", a.EMAIL)
                << field("Termin", GermanFormat::date(p.BENE_DATUM) +
                                       (time.isEmpty() ? QString() : QLatin1Char(' ') + time))
                << QStringLiteral("☐ Persön- lich        ☐ In der Bezirks- handlung");
    return block;
}

} // namespace

ReportDocument PartyStarFormReport::build(DataSet& set, const QStringList& args)
{
    PartyReportData data(set.db());
    const PartyReportData::Header header = data.header(PartyListFrame::partyArgument(args));
    ReportDocument doc;
    doc.title = QStringLiteral("Zusätzliche Sterne");
    doc.subtitle = QStringLiteral("für meine(n) GastgeberIn");
    doc.footerLines << QStringLiteral(
        "Bitte ausgefüllt mit der Warenbestellung an ihre Bezirkshandlung geben.");
    doc.pageHeader = {consultant(set, header.MWoche), host(header.host)};
    doc.sections.push_back(figures(header));
    for (ReportSection& pair : bookings(data.appointments(header.R_NR)))
        doc.sections.push_back(std::move(pair));
    for (const Participant& p : data.nominations(header.R_NR))
        doc.pageFooters.push_back(nomination(p));
    return doc;
}

void PartyStarFormReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("R_NR"),
                  QStringLiteral("Zusätzliche Sterne für die Gastgeberin der Vorführung R_NR: gebuchte "
                                 "Vorführungen und Benennungen"),
                  &build});
}

} // namespace korbelant
