#include "week/ExchangeListReport.h"

#include "core/DataSet.h"
#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/WeekKey.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"
#include "reports/RtfText.h"
#include "week/WeekReportArguments.h"

namespace korbelant {

const QString ExchangeListReport::Name = QStringLiteral("umtausch");

namespace {

const QString kLines = QStringLiteral(
    "SELECT t.STUECK, t.L_NR, t.L_TEXT, u.GRUND, "
    "CASE WHEN c.K_NR IS NULL THEN '' ELSE IFNULL(c.NAME, '') || ', ' || IFNULL(c.VORNAME, '') END "
    "FROM Tupper1 t LEFT JOIN Tupper p ON p.R_NR = t.R_NR AND p.P_NR = t.P_NR "
    "LEFT JOIN Kunden c ON c.K_NR = p.K_NR LEFT JOIN Umtausch u ON u.FEHL_CODE = t.FEHL_CODE "
    "WHERE t.MWoche = ? AND t.TWoche >= ? AND t.TWoche <= ? AND t.VA IN ('98', '99') "
    "ORDER BY t.L_NR");

std::vector<QVariantList> lines(Database& db, const WeekRange& range)
{
    return db.rows(kLines, {range.week, range.start, range.end});
}

ReportSection table(const std::vector<QVariantList>& rows)
{
    ReportSection section;
    section.columns = {
        ReportColumn::number(QStringLiteral("Stück"), 14, ReportColumn::Format::Integer, false),
        ReportColumn::text(QStringLiteral("Art.-Nr."), 20),
        ReportColumn::text(QStringLiteral("Artikel"), 52),
        ReportColumn::text(QStringLiteral("Fehler / Umtauschgrund"), 64),
        ReportColumn::text(QStringLiteral("ja"), 12, ReportColumn::Align::Center),
        ReportColumn::text(QStringLiteral("nein"), 12, ReportColumn::Align::Center),
        ReportColumn::text(QStringLiteral("Nr."), 12, ReportColumn::Align::Center)};
    section.shadeAlternateRows = true;
    ReportGroup group;
    const QString box = QStringLiteral("[   ]");
    for (const QVariantList& r : rows) {
        ReportRow row;
        row.values = {r.at(0), r.at(1), r.at(2), r.at(3), box, box, box};
        row.extraLines << QStringList{QString(), QString(), QString(),
                                      QLatin1Char('(') + r.at(4).toString() + QLatin1Char(')')};
        group.rows.push_back(row);
    }
    section.groups.push_back(group);
    return section;
}

void footer(const DataSet& set, ReportDocument& doc)
{
    doc.footerLines << QStringLiteral("Umtausch nur mit diesem Schein")
                    << QStringLiteral("Es werden nur sauber gewaschene Artikel umgetauscht");
    for (const RtfText::Paragraph& p : RtfText::read(set.home().path(ExchangeListReport::kTextFile))) {
        if (p.bold)
            doc.boldFooterLines.push_back(doc.footerLines.size());
        doc.footerLines << p.text;
    }
}

} // namespace

bool ExchangeListReport::isEmpty(Database& db, const WeekRange& range)
{
    const auto rows = lines(db, range);
    return rows.empty() || (rows.size() == 1 && rows.front().at(2).toString().isEmpty());
}

ReportDocument ExchangeListReport::build(DataSet& set, const QStringList& args)
{
    const WeekRange range = WeekReportArguments::parse(set.db(), args);
    ReportDocument doc;
    doc.title = QStringLiteral("Tupperware-Umtausch");
    ReportTextBlock account;
    account.lines << QStringLiteral("Woche     : ") + WeekKey::displayWeek(range.week)
                  << ConsultantAddress::accountLine(set.options());
    doc.pageHeader = {
        account, ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, false)};
    doc.sections.push_back(table(lines(set.db(), range)));
    footer(set, doc);
    return doc;
}

void ExchangeListReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("MWOCHE [--von T --bis T]"),
                  QStringLiteral("Umtauschliste der Woche MWOCHE (JJJJWW) mit Umtauschgrund und Gast"),
                  &ExchangeListReport::build});
}

} // namespace korbelant
