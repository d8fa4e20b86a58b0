#include "planning/PlanAddressListReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/SqlCondition.h"
#include "customers/CustomerView.h"
#include "planning/PartyPlanning.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString PlanAddressListReport::Name = QStringLiteral("vorplanung");

namespace {

QString date(const QDate& d)
{
    return d.isValid() ? GermanFormat::date(d) : QString();
}

CustomerSort::Order sortOrder(QStringList& args)
{
    const qsizetype at = args.indexOf(PlanAddressListReport::kSortOption);
    if (at < 0)
        return CustomerSort::Order::Name;
    bool ok = false;
    const int place = args.value(at + 1).toInt(&ok);
    if (!ok || place < 1 || place > CustomerSort::all().size())
        throw ReportError(QStringLiteral("Nach --sortierung steht die Nummer einer Sortierung von 1 bis %1.")
                              .arg(CustomerSort::all().size()));
    args.remove(at, 2);
    return CustomerSort::all().at(place - 1);
}

} // namespace

QStringList PlanAddressListReport::arguments(bool markedOnly, CustomerSort::Order order)
{
    QStringList args;
    if (markedOnly)
        args << kMarkedOnly;
    args << kSortOption << QString::number(CustomerSort::all().indexOf(order) + 1);
    return args;
}

ReportDocument PlanAddressListReport::build(DataSet& set, const QStringList& arguments)
{
    QStringList args = arguments;
    const bool markedOnly = args.removeAll(kMarkedOnly) > 0;
    const CustomerSort::Order order = sortOrder(args);
    if (!args.isEmpty())
        throw ReportError(QStringLiteral("Unbekannte Angabe: %1").arg(args.join(QLatin1Char(' '))));
    const SqlCondition where =
        markedOnly ? SqlCondition(PartyPlanning::kMarkedCondition, {}) : SqlCondition();

    ReportDocument doc;
    doc.title = QStringLiteral("Adressenliste Vorplanung");
    doc.orientation = ReportDocument::Orientation::Landscape;
    ReportSection list;
    list.columns = {ReportColumn::text(QStringLiteral("K.-NR."), 16),
                    ReportColumn::text(QStringLiteral("Name,\nVorname"), 50),
                    ReportColumn::text(QStringLiteral("Strasse"), 50),
                    ReportColumn::text(QStringLiteral("Plz"), 13),
                    ReportColumn::text(QStringLiteral("Ort"), 40),
                    ReportColumn::text(QStringLiteral("Telefon"), 30),
                    ReportColumn::text(QStringLiteral("Letzte Teiln.,"), 22),
                    ReportColumn::text(QStringLiteral("Nächste\nVorführung"), 22),
                    ReportColumn::text(QStringLiteral("Gasttyp"), 24)};
    list.shadeAlternateRows = true;
    ReportGroup all;
    for (const CustomerRow& r : CustomerView::readRows(set.db(), where, CustomerSort::orderBy(order)))
        all.rows.push_back(ReportRow({r.number, (r.firstName + QLatin1Char(' ') + r.name).trimmed(), r.street,
                                      r.postcode, r.town, r.telephone, date(r.lastParty), date(r.nextParty),
                                      PartyPlanning::markText(r.planningMark)}));
    list.groups.push_back(all);
    doc.sections.push_back(list);
    return doc;
}

void PlanAddressListReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("[--nur-markierte] [--sortierung N]"),
                  QStringLiteral("Adressenliste der Vorplanung (VorPlaADListe), mit --nur-markierte nur die "
                                 "markierten Kunden"),
                  &PlanAddressListReport::build});
}

} // namespace korbelant
