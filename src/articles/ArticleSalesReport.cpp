#include "articles/ArticleSalesReport.h"

namespace korbelant {

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Vorf.-Nr."), 17),
            ReportColumn::text(QStringLiteral("Lauf. \nNr."), 10),
            ReportColumn::text(QStringLiteral("Woche"), 18),
            ReportColumn::text(QStringLiteral("Vorname und Name"), 44),
            ReportColumn::text(QStringLiteral("Artikel-Nr."), 20),
            ReportColumn::text(QStringLiteral("VA-Nr."), 12),
            ReportColumn::text(QStringLiteral("Text"), 60),
            ReportColumn::number(QStringLiteral("Stück"), 13, Format::Integer, false),
            ReportColumn::number(QStringLiteral("Einkauf\nEinzel"), 19, Format::Money, false),
            ReportColumn::number(QStringLiteral("Einkauf\nSumme"), 20, Format::Money, true),
            ReportColumn::number(QStringLiteral("Verkauf\nEinzel"), 19, Format::Money, false),
            ReportColumn::number(QStringLiteral("Verkauf\nSumme"), 20, Format::Money, true)};
}

QStringList underName(const QString& text)
{
    return {QString(), QString(), QString(), text};
}

} // namespace

ReportDocument ArticleSalesReport::document(const std::vector<ArticleSalesQuery::Sale>& sales,
                                            const QString& title, bool withAddress)
{
    ReportSection section;
    section.columns = columns();
    ReportGroup group;
    for (const auto& s : sales) {
        ReportRow row{{s.rNr, s.pNr, ArticleSalesQuery::weekDisplay(s.woche), s.kundenName, s.lNr, s.va,
                       s.lText, s.stueck, s.einzKost, s.kosten, s.einzPreis, s.summe},
                      {}};
        if (withAddress)
            row.extraLines = {underName(s.strasse), underName(s.ort), underName(s.telefon)};
        group.rows.push_back(row);
    }
    section.groups.push_back(group);
    section.summaryLabel = QStringLiteral("Summe :");
    ReportDocument doc;
    doc.title = title;
    doc.orientation = ReportDocument::Orientation::Landscape;
    doc.sections.push_back(section);
    return doc;
}

} // namespace korbelant
