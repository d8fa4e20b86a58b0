#include "week/WeekOverviewReport.h"

#include "core/DataSet.h"
#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/SqlCondition.h"
#include "core/WeekKey.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

#include <QRegularExpression>

namespace korbelant {

const QString WeekOverviewReport::Name = QStringLiteral("wochenuebersicht");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Vorf.-Nr."), 17),
            ReportColumn::text(QStringLiteral("Kunden-\nNr."), 17),
            ReportColumn::text(QStringLiteral("Name,\nVorname"), 60),
            ReportColumn::number(QStringLiteral("Verabre-\ndungen"), 17, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Anzahl\nGäste"), 15, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Sterne-\nzahl"), 15, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Sterne-\nbetrag"), 22, Format::Money, true),
            ReportColumn::number(QStringLiteral("Umsatz\n(verkaufte\nWare)"), 28, Format::Money, true),
            ReportColumn::number(QStringLiteral("Ausgaben"), 24, Format::Money, true),
            ReportColumn::number(QStringLiteral("Umsatz\n(VA be-reinigt)"), 28, Format::Money, true),
            ReportColumn::number(QStringLiteral("Umsatz\n(Wett-\nbewerb)"), 26, Format::Money, true)};
}

ReportRow rowOf(const WeekOverviewReport::Party& p)
{
    return {{p.R_NR, p.K_NR, p.hostName, p.VERABRED, p.GAESTE, p.STERNE, p.STERNE_DM, p.S_UMSATZ, p.S_AUSGABE,
             p.VKG_UMSATZ, p.WB_UMSATZ},
            {}};
}

} // namespace

WeekOverviewReport::Range WeekOverviewReport::rangeFromDialog(const QString& von, const QString& bis)
{
    const QString from = von.trimmed();
    const QString to = bis.trimmed();
    return {from, to.size() < 6 ? QString() : to};
}

std::vector<WeekOverviewReport::Party> WeekOverviewReport::parties(const Range& range) const
{
    QString sql = QStringLiteral(
        "SELECT k.R_NR, k.K_NR, CASE WHEN c.K_NR IS NULL THEN '' "
        "ELSE IFNULL(c.NAME, '') || ', ' || IFNULL(c.VORNAME, '') END, "
        "IFNULL(k.MWoche, ''), IFNULL(k.TWoche, ''), k.VERABRED, k.GAESTE, k.STERNE, k.STERNE_DM, "
        "k.S_UMSATZ, k.S_AUSGABE, k.VKG_UMSATZ, k.WB_UMSATZ, k.ERSTELLT "
        "FROM Tuppkopf k LEFT JOIN Kunden c ON c.K_NR = k.K_NR");
    SqlCondition where;
    if (!range.from.isEmpty())
        where.add(QStringLiteral("k.MWoche >= ?"), {range.from});
    if (!range.to.isEmpty())
        where.add(QStringLiteral("k.MWoche <= ?"), {range.to});
    sql += where.where() + QStringLiteral(" ORDER BY k.MWoche, k.TWoche, k.R_NR");

    std::vector<Party> result;
    for (const QVariantList& r : m_db.rows(sql, where.params())) {
        Party p;
        p.R_NR = r.at(0).toString();
        p.K_NR = r.at(1).toString();
        p.hostName = r.at(2).toString();
        p.MWoche = r.at(3).toString();
        p.TWoche = r.at(4).toString();
        p.VERABRED = r.at(5).toInt();
        p.GAESTE = r.at(6).toInt();
        p.STERNE = r.at(7).toInt();
        p.STERNE_DM = r.at(8).toDouble();
        p.S_UMSATZ = r.at(9).toDouble();
        p.S_AUSGABE = r.at(10).toDouble();
        p.VKG_UMSATZ = r.at(11).toDouble();
        p.WB_UMSATZ = r.at(12).toDouble();
        p.ERSTELLT = r.at(13).toInt() != 0;
        result.push_back(p);
    }
    return result;
}

ReportDocument WeekOverviewReport::document(const std::vector<Party>& parties)
{
    ReportDocument doc;
    doc.title = QStringLiteral("Wochenübersicht");
    doc.orientation = ReportDocument::Orientation::Landscape;
    ReportSection section;
    section.columns = columns();
    for (const Party& party : parties) {
        if (section.groups.empty() ||
            section.groups.back().header != QStringLiteral(" Woche ") + party.MWoche) {
            ReportGroup group;
            group.header = QStringLiteral(" Woche ") + party.MWoche;
            group.footerLabel = QStringLiteral("Teilsumme");
            section.groups.push_back(group);
        }
        section.groups.back().rows.push_back(rowOf(party));
    }
    section.summaryLabel = QStringLiteral("Summe komplett");
    section.countColumn = 2;
    section.countSuffix = QStringLiteral(" Vorf.");
    doc.sections.push_back(section);
    return doc;
}

QString WeekOverviewReport::weekArgument(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QStringLiteral("-"))
        return QString();
    static const QRegularExpression key(QStringLiteral("^(\\d{4})(\\d{2})$"));
    const auto match = key.match(t);
    if (match.hasMatch()) {
        const int week = match.captured(2).toInt();
        if (week >= 1 && week <= 53)
            return t;
    } else if (const auto date = GermanFormat::parseDate(t)) {
        return WeekKey::weekKey(*date);
    }
    throw ReportError(
        QStringLiteral("Ungültige Woche \"%1\" (erwartet JJJJWW, z. B. 202605, oder ein Datum TT.MM.JJJJ).")
            .arg(text));
}

ReportDocument WeekOverviewReport::build(DataSet& set, const QStringList& args)
{
    if (args.size() > 2)
        throw ReportError(QStringLiteral("Zu viele Angaben für die Wochenübersicht: %1")
                              .arg(args.mid(2).join(QLatin1Char(' '))));
    const Range range{weekArgument(args.value(0)), weekArgument(args.value(1))};
    if (!range.from.isEmpty() && !range.to.isEmpty() && range.from > range.to)
        throw ReportError(QStringLiteral("Die Woche \"von\" (%1) liegt nach der Woche \"bis\" (%2).")
                              .arg(range.from, range.to));
    ReportDocument doc = document(WeekOverviewReport(set.db()).parties(range));
    doc.pageHeader = pageHeader(set);
    return doc;
}

std::vector<ReportTextBlock> WeekOverviewReport::pageHeader(DataSet& set)
{
    ReportTextBlock account;
    account.lines << ConsultantAddress::accountLine(set.options());
    return {account,
            ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, false)};
}

void WeekOverviewReport::registerIn(ReportRegistry& registry)
{
    registry.add(
        {Name, QStringLiteral("[VON] [BIS]"),
         QStringLiteral("Wochenübersicht: alle Vorführungen der Wochen VON bis BIS (JJJJWW oder TT.MM.JJJJ, "
                        "\"-\" ohne Grenze; ohne Angabe alle Wochen)"),
         &WeekOverviewReport::build});
}

} // namespace korbelant
