#include "week/OrderListReport.h"

#include "core/DataSet.h"
#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TuppkopfFields.h"
#include "core/WeekKey.h"
#include "exchange/TransferQueries.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportRegistry.h"
#include "week/WeekPartyView.h"
#include "week/WeekReportArguments.h"

#include <QMap>
#include <algorithm>
#include <numeric>

namespace korbelant {

const QString OrderListReport::Name = QStringLiteral("bestellliste");
const QString OrderListReport::WholeName = QStringLiteral("bestellliste-gesamt");

namespace {

using H = TuppkopfFields;
using Format = ReportColumn::Format;

const QStringList kSummed = {QStringLiteral("STUECK"),    QStringLiteral("MENGE"),
                             QStringLiteral("KOSTEN"),    QStringLiteral("SUMME"),
                             QStringLiteral("STERNE"),    QStringLiteral("STERNE_DM"),
                             QStringLiteral("VKG_UMSATZ")};
const QStringList kLargest = {QStringLiteral("EINZ_PREIS"), QStringLiteral("L_TEXT")};

std::vector<ReportColumn> columns()
{
    std::vector<ReportColumn> c = {
        ReportColumn::number(QStringLiteral("Stück"), 12, Format::Integer, false),
        ReportColumn::text(QStringLiteral("Bestell-Nr."), 20),
        ReportColumn::text(QStringLiteral("VA-Nr."), 14),
        ReportColumn::text(QStringLiteral("Art.-Nr."), 16),
        ReportColumn::text(QStringLiteral("Artikel"), 30),
        ReportColumn::number(QStringLiteral("Preis"), 15, Format::Money, false),
        ReportColumn::number(QStringLiteral("Umsatz"), 17, Format::Money, false),
        ReportColumn::number(QStringLiteral("Kosten"), 15, Format::Money, false),
        ReportColumn::number(QStringLiteral("Sterne"), 15, Format::Integer, false),
        ReportColumn::number(QStringLiteral("St. Betrag"), 19, Format::Money, false),
        ReportColumn::text(QString(), 13)};
    c[8].blankZero = true;
    c[9].blankZero = true;
    return c;
}

struct Sums
{
    double vkg = 0, cost = 0, stars = 0, starAmount = 0, turnover = 0;

    void add(const ResultTable& lines, int r)
    {
        vkg += lines.value(r, QStringLiteral("VKG_UMSATZ")).toDouble();
        cost += lines.value(r, QStringLiteral("KOSTEN")).toDouble();
        stars += lines.value(r, QStringLiteral("STERNE")).toDouble();
        starAmount += lines.value(r, QStringLiteral("STERNE_DM")).toDouble();
        turnover += lines.value(r, QStringLiteral("SUMME")).toDouble();
    }
    void add(const Sums& other)
    {
        vkg += other.vkg;
        cost += other.cost;
        stars += other.stars;
        starAmount += other.starAmount;
        turnover += other.turnover;
    }
    QString line() const
    {
        return QStringLiteral("Umsatz : %1    Kosten : %2    Sterne : %3    St. Betrag : %4")
            .arg(GermanFormat::money(vkg), GermanFormat::money(cost), GermanFormat::number(stars, 0, true),
                 GermanFormat::money(starAmount));
    }
};

QString status(const ResultTable& lines, int r)
{
    if (lines.value(r, QStringLiteral("VORAB")).toString().toUpper() == QStringLiteral("V"))
        return OrderListReport::kAdvance;
    return lines.value(r, QStringLiteral("Aktiv")).toBool() ? QString() : OrderListReport::kInactive;
}

ReportRow lineRow(const ResultTable& lines, int r)
{
    ReportRow row;
    for (const char* name :
         {"STUECK", "Z_NR", "VA", "L_NR", "L_TEXT", "EINZ_PREIS", "SUMME", "KOSTEN", "STERNE", "STERNE_DM"})
        row.values << lines.value(r, QString::fromLatin1(name));
    row.values << status(lines, r);
    row.underlined = !lines.value(r, QStringLiteral("Aktiv")).toBool();
    return row;
}

QString kindText(Database& db, const QString& va)
{
    return db.scalar(QStringLiteral("SELECT VA_TEXT FROM VA WHERE VA = ?"), {va}).toString();
}

void closeKind(ReportGroup& group, double pieces)
{
    group.footerLabel = QStringLiteral("*** Anzahl der Positionen ***  %1    %2 Stück")
                            .arg(group.rows.size())
                            .arg(GermanFormat::number(pieces, 0, true));
}

// The lines of one party (or of the whole range) as a table grouped by kind.
ReportSection kinds(Database& db, const ResultTable& lines, const std::vector<int>& rowsOf, Sums& sums)
{
    ReportSection section;
    section.columns = columns();
    section.shadeAlternateRows = true;
    QString kind;
    double pieces = 0;
    for (int r : rowsOf) {
        const QString va = lines.value(r, QStringLiteral("VA")).toString();
        if (section.groups.empty() || va != kind) {
            if (!section.groups.empty())
                closeKind(section.groups.back(), pieces);
            kind = va;
            pieces = 0;
            ReportGroup group;
            group.header = QStringLiteral(" VA-Nr. : ") + va + QStringLiteral(" - ") + kindText(db, va) +
                           QStringLiteral(" ***************");
            section.groups.push_back(group);
        }
        section.groups.back().rows.push_back(lineRow(lines, r));
        pieces += lines.value(r, QStringLiteral("STUECK")).toDouble();
        sums.add(lines, r);
    }
    if (!section.groups.empty())
        closeKind(section.groups.back(), pieces);
    return section;
}

ReportSection sumsSection(const QString& heading, const QStringList& lines)
{
    ReportSection section;
    section.heading = heading;
    ReportTextBlock block;
    block.lines = lines;
    section.blocks.push_back(block);
    return section;
}

QString partyHeading(const WeekPartyView::Row& party)
{
    return QStringLiteral("Vorführung : ") + RecordValue::text(party.header, H::TWoche) +
           QStringLiteral("    ID : ") + RecordValue::text(party.header, H::BZH_VF_NR) +
           QStringLiteral(" vom  ") + GermanFormat::date(RecordValue::date(party.header, H::DATUM));
}

void perParty(DataSet& set, const WeekRange& range, const ResultTable& lines, ReportDocument& doc,
              Sums& total)
{
    const auto view = WeekPartyView::rows(set.db(), set.options(), range);
    const bool withParties = view.size() != 1;
    for (const WeekPartyView::Row& party : view) {
        const QString partWeek = RecordValue::text(party.header, H::TWoche);
        std::vector<int> rowsOf;
        for (int r = 0; r < lines.rowCount(); ++r) {
            if (lines.value(r, QStringLiteral("TWoche")).toString() == partWeek)
                rowsOf.push_back(r);
        }
        Sums sums;
        ReportSection section = kinds(set.db(), lines, rowsOf, sums);
        total.add(sums);
        if (withParties)
            section.heading = partyHeading(party);
        doc.sections.push_back(section);
        if (withParties)
            doc.sections.push_back(sumsSection(OrderListReport::kPartyFooter, {sums.line()}));
    }
}

ReportTextBlock accountBlock(DataSet& set, const WeekRange& range)
{
    ReportTextBlock account;
    account.lines << QStringLiteral("Berat.-Nr./Gr. Nr. : ") + set.options().text(QStringLiteral("BNR")) +
                         QLatin1Char('/') + set.options().text(QStringLiteral("Gruppen_NR"))
                  << QStringLiteral("Woche.... : ") + WeekKey::displayWeek(range.week);
    return account;
}

} // namespace

ResultTable OrderListReport::wholeRange(const ResultTable& lines)
{
    ResultTable merged = lines;
    std::vector<QVariantList> rows;
    QMap<QString, size_t> at;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString key = QStringList{lines.value(r, QStringLiteral("VORAB")).toString(),
                                        lines.value(r, QStringLiteral("Z_NR")).toString(),
                                        lines.value(r, QStringLiteral("L_NR")).toString(),
                                        lines.value(r, QStringLiteral("VA")).toString()}
                                .join(QChar(0x1f));
        if (!at.contains(key)) {
            at.insert(key, rows.size());
            rows.push_back(lines.rows().at(static_cast<size_t>(r)));
            continue;
        }
        QVariantList& row = rows[at.value(key)];
        for (const QString& name : kSummed) {
            const int c = lines.column(name);
            row[c] = row.at(c).toDouble() + lines.value(r, name).toDouble();
        }
        for (const QString& name : kLargest) {
            const int c = lines.column(name);
            if (lines.value(r, name).toString() > row.at(c).toString())
                row[c] = lines.value(r, name);
        }
    }
    const int va = lines.column(QStringLiteral("VA"));
    const int zNr = lines.column(QStringLiteral("Z_NR"));
    std::stable_sort(rows.begin(), rows.end(), [&](const QVariantList& a, const QVariantList& b) {
        return std::make_pair(a.at(va).toString(), a.at(zNr).toString()) <
               std::make_pair(b.at(va).toString(), b.at(zNr).toString());
    });
    merged.setRows(std::move(rows));
    return merged;
}

ReportDocument OrderListReport::build(DataSet& set, const QStringList& args, bool perPartWeek)
{
    const WeekRange range = WeekReportArguments::parse(set.db(), args);
    const ResultTable lines = TransferQueries(set.db(), set.options()).RechQuery(range);
    ReportDocument doc;
    doc.title = QStringLiteral("Bestelliste");
    doc.pageHeader = {
        accountBlock(set, range),
        ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, true)};
    Sums total;
    if (perPartWeek) {
        perParty(set, range, lines, doc, total);
    } else {
        const ResultTable whole = wholeRange(lines);
        std::vector<int> all(static_cast<size_t>(whole.rowCount()));
        std::iota(all.begin(), all.end(), 0);
        doc.sections.push_back(kinds(set.db(), whole, all, total));
    }
    doc.sections.push_back(sumsSection(
        kSummary, {total.line(), QStringLiteral("Gesamtumsatz der Ware ohne VA - Bereinigung ( %1 )")
                                     .arg(GermanFormat::money(total.turnover))}));
    return doc;
}

void OrderListReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("MWOCHE [--von T --bis T]"),
                  QStringLiteral("Bestelliste der Woche MWOCHE (JJJJWW) nach Vorführungen und Verkaufsarten"),
                  [](DataSet& set, const QStringList& args) { return build(set, args, true); }});
    registry.add({WholeName, QStringLiteral("MWOCHE [--von T --bis T]"),
                  QStringLiteral("Bestelliste der Woche MWOCHE (JJJJWW), alle Vorführungen zusammengefasst"),
                  [](DataSet& set, const QStringList& args) { return build(set, args, false); }});
}

} // namespace korbelant
