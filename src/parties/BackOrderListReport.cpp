#include "parties/BackOrderListReport.h"

#include "core/DataSet.h"
#include "parties/BackOrderList.h"
#include "parties/BackOrderRules.h"
#include "parties/PartyListFrame.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString BackOrderListReport::OpenName = QStringLiteral("nachlieferungen");
const QString BackOrderListReport::PackListName = QStringLiteral("packliste");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    ReportColumn pieces =
        ReportColumn::number(QStringLiteral("Stück\n(bestellt)"), 20, Format::Integer, true);
    pieces.sumSuffix = QStringLiteral(" Stück");
    return {ReportColumn::text(QStringLiteral("Art.-Nr."), 19),
            ReportColumn::text(QStringLiteral("VA-Nr."), 13),
            ReportColumn::text(QStringLiteral("Artikel"), 60),
            pieces,
            ReportColumn::number(QStringLiteral("Preis"), 20, Format::Money, true),
            ReportColumn::number(QStringLiteral("Stück (nach-\ngeliefert)"), 22, Format::Integer, false),
            ReportColumn::text(QString(), 30)};
}

QString guestLine(const BackOrderLine& line)
{
    const PartyAddress& g = line.guest;
    return QStringLiteral("Gast-Nr. %1   %2, %3, %4, %5 %6")
        .arg(line.key.pNr, g.NAME, g.VORNAME, g.STRASSE, g.PLZ, g.ORT);
}

} // namespace

ReportDocument BackOrderListReport::build(DataSet& set, const QStringList& args, const QString& title,
                                          const QString& state, const QString& stateText)
{
    if (!args.isEmpty())
        throw ReportError(QStringLiteral("Die Liste braucht keine Angaben."));
    ReportDocument doc;
    doc.title = title;
    // The fixed lines of every delivery list, whatever the options say.
    doc.footerLines = PartyListFrame::footerLines(set.options(), true);
    ReportSection list;
    list.heading = QStringLiteral("NACHLIEFERUNGS-LISTE (Unterteilt nach Einzelpositionen pro Gast)");
    list.columns = columns();
    QString party;
    QString guest;
    for (const BackOrderLine& line : BackOrderList(set.db()).inState(state)) {
        if (line.key.rNr != party) {
            party = line.key.rNr;
            guest.clear();
            ReportGroup head;
            head.header = PartyListFrame::listNumber(party) + QStringLiteral("   ") +
                          BackOrderLine::addressLine(line.host);
            list.groups.push_back(head);
        }
        if (line.key.pNr != guest) {
            guest = line.key.pNr;
            ReportGroup group;
            group.header = guestLine(line);
            group.footerLabel = QStringLiteral("***Zwischensumme***");
            list.groups.push_back(group);
        }
        list.groups.back().rows.push_back(
            ReportRow({line.lNr, line.va, line.lText, line.stueck, line.einzPreis, line.naStuLi, stateText}));
    }
    list.summaryLabel = QStringLiteral("Endsumme : ");
    doc.sections.push_back(list);
    return doc;
}

ReportDocument BackOrderListReport::openList(DataSet& set, const QStringList& args)
{
    return build(set, args, QStringLiteral("Offene Nachlieferungen"), BackOrderRules::kBackOrdered,
                 QStringLiteral("nicht geliefert"));
}

ReportDocument BackOrderListReport::packList(DataSet& set, const QStringList& args)
{
    return build(set, args, QStringLiteral("Packliste"), BackOrderRules::kDeliveredLater,
                 QStringLiteral("nachtr. geliefert"));
}

void BackOrderListReport::registerIn(ReportRegistry& registry)
{
    registry.add({OpenName, QString(), QStringLiteral("Offene Nachlieferungen aller Vorführungen"),
                  &BackOrderListReport::openList});
    ReportRegistry::Entry pack{PackListName, QString(),
                               QStringLiteral("Packliste der nachträglich gelieferten Artikel; danach die "
                                              "Frage, ob ihr Status zurückgesetzt wird"),
                               &BackOrderListReport::packList};
    pack.afterPrint = [](DataSet& set, UiPort& ui) { BackOrderRules(set.db(), ui).packListPrinted(); };
    registry.add(pack);
}

} // namespace korbelant
