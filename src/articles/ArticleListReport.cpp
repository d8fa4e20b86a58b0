#include "articles/ArticleListReport.h"

#include "articles/ArticleFieldRules.h"
#include "articles/ArticleReportData.h"
#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString ArticleListReport::ListName = QStringLiteral("artikelliste");
const QString ArticleListReport::StockName = QStringLiteral("artikelbestand");

namespace {

using Format = ReportColumn::Format;

ReportSection table(std::vector<ReportColumn> columns, std::vector<ReportRow> rows)
{
    ReportSection section;
    section.columns = std::move(columns);
    ReportGroup group;
    group.rows = std::move(rows);
    section.groups.push_back(std::move(group));
    return section;
}

std::vector<ReportColumn> leadingColumns(double textWidth)
{
    return {ReportColumn::text(QStringLiteral("Artikel-Nr."), 22),
            ReportColumn::text(QStringLiteral("VA-Nr."), 13),
            ReportColumn::text(QStringLiteral("Bestell-Nr."), 22),
            ReportColumn::text(QStringLiteral("Text"), textWidth)};
}

} // namespace

ReportDocument ArticleListReport::listDocument(const std::vector<ArticleRecord>& rows,
                                               const ArticleFieldRules& rules)
{
    const bool second = rules.showSecondCurrency();
    std::vector<ReportColumn> columns = leadingColumns(second ? 58 : 78);
    columns.push_back(ReportColumn::number(second ? rules.priceTitle() : QStringLiteral("Preis"), 22,
                                           Format::Money, false));
    if (second)
        columns.push_back(ReportColumn::number(rules.secondCurrencyTitle(), 22, Format::Money, false));
    columns.push_back(ReportColumn::number(QStringLiteral("Sterne"), 14, Format::Integer, false));
    columns.push_back(ReportColumn::text(QStringLiteral("Aktiv"), 13));
    std::vector<ReportRow> lines;
    for (const ArticleRecord& r : rows) {
        QVariantList values{r.lNr, r.va, r.zNr, r.lText, r.preis};
        if (second)
            values << rules.secondCurrencyPrice(r.preis);
        values << r.sterne << ArticleReportData::activeText(r.aktiv);
        lines.push_back({values, {}});
    }
    ReportDocument doc;
    doc.title = QStringLiteral("Artikel-Liste");
    doc.sections.push_back(table(columns, std::move(lines)));
    return doc;
}

ReportDocument ArticleListReport::stockDocument(const std::vector<ArticleRecord>& rows)
{
    std::vector<ReportColumn> columns = leadingColumns(60);
    columns.push_back(ReportColumn::number(QStringLiteral("Preis"), 20, Format::Money, false));
    columns.push_back(ReportColumn::number(QStringLiteral("Bestand"), 16, Format::Integer, false));
    columns.push_back(ReportColumn::number(QStringLiteral("Wert"), 22, Format::Money, true));
    std::vector<ReportRow> lines;
    for (const ArticleRecord& r : rows)
        lines.push_back(
            {{r.lNr, r.va, r.zNr, r.lText, r.preis, r.bestand, ArticleFieldRules::stockValue(r)}, {}});
    ReportSection section = table(columns, std::move(lines));
    section.summaryLabel = QStringLiteral("Summe:");
    ReportDocument doc;
    doc.title = QStringLiteral("Artikelbestand");
    doc.sections.push_back(section);
    return doc;
}

ReportDocument ArticleListReport::viewDocument(const TArtikelModul& modul, const QString& from,
                                               const QString& to, bool all, bool stock)
{
    const std::vector<ArticleRecord> rows = modul.listRows(from, to, all);
    ReportDocument doc = stock ? stockDocument(rows) : listDocument(rows, modul.rules());
    doc.frame = ReportFrame::read(modul.database());
    return doc;
}

std::vector<ArticleRecord> ArticleListReport::articles(DataSet& set, const QStringList& args)
{
    if (args.size() > 2)
        throw ReportError(QStringLiteral("Zu viele Angaben für die Artikelliste: %1")
                              .arg(args.mid(2).join(QLatin1Char(' '))));
    for (const QString& arg : args) {
        if (arg.trimmed().size() > 8)
            throw ReportError(QStringLiteral("Die Artikel-Nr. \"%1\" ist länger als 8 Stellen.").arg(arg));
    }
    ScriptedUi ui;
    TArtikelModul modul(set, ui);
    return modul.listRows(args.value(0), args.value(1), args.isEmpty());
}

ReportDocument ArticleListReport::buildList(DataSet& set, const QStringList& args)
{
    ScriptedUi ui;
    const TArtikelModul modul(set, ui);
    return listDocument(articles(set, args), modul.rules());
}

ReportDocument ArticleListReport::buildStock(DataSet& set, const QStringList& args)
{
    return stockDocument(articles(set, args));
}

void ArticleListReport::registerIn(ReportRegistry& registry)
{
    registry.add(
        {ListName, QStringLiteral("[VON] [BIS]"),
         QStringLiteral(
             "Artikel-Liste der Artikel-Nr. VON bis BIS (kürzeres BIS: alle Nummern, die so beginnen; "
             "ohne Angabe alle Artikel)"),
         &ArticleListReport::buildList});
    registry.add(
        {StockName, QStringLiteral("[VON] [BIS]"),
         QStringLiteral(
             "Artikelbestand mit Wert und Summe, Artikel-Nr. VON bis BIS (ohne Angabe alle Artikel)"),
         &ArticleListReport::buildStock});
}

} // namespace korbelant
