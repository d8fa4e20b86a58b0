#include "customers/CustomerHistoryReport.h"

#include "core/DataSet.h"
#include "core/WeekKey.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

namespace {

using Format = ReportColumn::Format;

QVariantList customerRow(Database& db, const QString& customer)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT VORNAME, NAME, STRASSE, PLZ, ORT, TELEFON FROM Kunden WHERE K_NR = ?"),
                {customer});
    if (rows.empty())
        throw ReportError(QStringLiteral("Kein Kunde mit der Nummer %1.").arg(customer));
    return rows.front();
}

ReportDocument framed(Database& db, const QString& title)
{
    ReportDocument doc;
    doc.title = title;
    doc.frame = ReportFrame::read(db);
    return doc;
}

// The group the next row belongs to: the last one while the header stays, else a new one.
ReportGroup& groupFor(ReportSection& section, const QString& header, const QString& footer)
{
    if (section.groups.empty() || section.groups.back().header != header) {
        ReportGroup group;
        group.header = header;
        group.footerLabel = footer;
        section.groups.push_back(std::move(group));
    }
    return section.groups.back();
}

QString customerArgument(const QStringList& args)
{
    if (args.size() != 1 || args.first().trimmed().isEmpty())
        throw ReportError(QStringLiteral("Es fehlt die Kundennummer (K_NR)."));
    return args.first().trimmed();
}

} // namespace

ReportDocument CustomerHistoryReport::attendance(Database& db, const QString& customer)
{
    const QVariantList who = customerRow(db, customer);
    ReportDocument doc = framed(db, QStringLiteral("Anwesenheitsliste"));
    ReportSection section;
    section.heading = QStringLiteral("Übersicht der Vorführungen an denen der Kunde : ") +
                      who.at(0).toString() + QLatin1Char(' ') + who.at(1).toString() +
                      QStringLiteral(" teilgenommen hat.");
    section.columns = {ReportColumn::text(QStringLiteral("Vorf.-Nr."), 20),
                       ReportColumn::text(QStringLiteral("P.-Nr."), 12),
                       ReportColumn::text(QStringLiteral("Woche"), 16),
                       ReportColumn::text(QStringLiteral("Kun.-Nr."), 16),
                       ReportColumn::text(QStringLiteral("Name, Vorname"), 50),
                       ReportColumn::text(QStringLiteral("Ort"), 44),
                       ReportColumn::number(QStringLiteral("Umsatz"), 22, Format::Money, true)};
    const auto rows =
        db.rows(QStringLiteral("SELECT t.R_NR, t.P_NR, t.MWoche, t.K_NR, k.NAME, k.VORNAME, k.PLZ, k.ORT, "
                               "t.UMSATZ FROM Tupper t LEFT JOIN Kunden k ON k.K_NR = t.K_NR "
                               "WHERE t.R_NR IN (SELECT R_NR FROM Tupper WHERE K_NR = ?) "
                               "ORDER BY t.R_NR, t.P_NR"),
                {customer});
    for (const QVariantList& r : rows) {
        const QString party = r.at(0).toString();
        ReportGroup& group =
            groupFor(section, QStringLiteral("Vorf.-Nr. : ") + party, QStringLiteral("Summe :"));
        ReportRow row({party, r.at(1), r.at(2), r.at(3),
                       r.at(4).toString() + QStringLiteral(", ") + r.at(5).toString(),
                       r.at(6).toString() + QLatin1Char(' ') + r.at(7).toString(), r.at(8).toDouble()});
        row.shaded = r.at(3).toString() == customer;
        group.rows.push_back(std::move(row));
    }
    doc.sections.push_back(std::move(section));
    return doc;
}

ReportDocument CustomerHistoryReport::purchases(Database& db, const QString& customer)
{
    const QVariantList who = customerRow(db, customer);
    ReportDocument doc = framed(db, QStringLiteral("Artikelkäufe eines Kunden"));
    ReportSection section;
    section.blocks.push_back(
        {{QStringLiteral("K.-NR. : ") + customer,
          who.at(0).toString() + QLatin1Char(' ') + who.at(1).toString(), who.at(2).toString(),
          who.at(3).toString() + QLatin1Char(' ') + who.at(4).toString(),
          QStringLiteral("Tel. ") + who.at(5).toString()}});
    section.columns = {ReportColumn::text(QStringLiteral("Artikel-Nr."), 22),
                       ReportColumn::text(QStringLiteral("VA-Nr."), 13),
                       ReportColumn::text(QStringLiteral("Text"), 58),
                       ReportColumn::number(QStringLiteral("Einzel-\nPreis"), 20, Format::Money, false),
                       ReportColumn::number(QStringLiteral("Sterne"), 14, Format::Integer, true),
                       ReportColumn::number(QStringLiteral("Stück"), 12, Format::Integer, true),
                       ReportColumn::number(QStringLiteral("Summe"), 20, Format::Money, true),
                       ReportColumn::text(QStringLiteral("Vorführ.-Nr."), 24)};
    section.summaryLabel = QStringLiteral("Summe :");
    const auto rows =
        db.rows(QStringLiteral("SELECT t1.MWoche, t1.L_NR, t1.VA, t1.L_TEXT, t1.EINZ_PREIS, t1.STERNE, "
                               "t1.STUECK, t1.SUMME, t1.R_NR FROM Tupper1 t1 JOIN Tupper t "
                               "ON t.R_NR = t1.R_NR AND t.P_NR = t1.P_NR WHERE t.K_NR = ? "
                               "ORDER BY t1.MWoche, t1.L_NR"),
                {customer});
    for (const QVariantList& r : rows) {
        ReportGroup& group =
            groupFor(section, QStringLiteral("Woche ") + WeekKey::displayWeek(r.at(0).toString()),
                     QStringLiteral("Teilsumme :"));
        group.rows.push_back(ReportRow({r.at(1), r.at(2), r.at(3), r.at(4).toDouble(), r.at(5).toInt(),
                                        r.at(6).toInt(), r.at(7).toDouble(), r.at(8)}));
    }
    doc.sections.push_back(std::move(section));
    return doc;
}

void CustomerHistoryReport::registerIn(ReportRegistry& registry)
{
    registry.add(
        {QStringLiteral("anwesenheitsliste"), QStringLiteral("K_NR"),
         QStringLiteral("Anwesenheitsliste: alle Teilnehmer der Vorführungen, an denen der Kunde teilnahm"),
         [](DataSet& set, const QStringList& args) { return attendance(set.db(), customerArgument(args)); }});
    registry.add(
        {QStringLiteral("artikelkaeufe"), QStringLiteral("K_NR"),
         QStringLiteral("Artikelkäufe eines Kunden, nach Wochen"),
         [](DataSet& set, const QStringList& args) { return purchases(set.db(), customerArgument(args)); }});
}

} // namespace korbelant
