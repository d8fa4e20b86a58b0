#include "expenses/ExpenseListReport.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/ScriptedUi.h"
#include "expenses/ExpenseBook.h"
#include "reports/ConsultantAddress.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

const QString ExpenseListReport::Name = QStringLiteral("ausgaben");

namespace {

using Format = ReportColumn::Format;

std::vector<ReportColumn> columns()
{
    return {ReportColumn::text(QStringLiteral("Datum"), 22),
            ReportColumn::text(QStringLiteral("Text der Ausgabe"), 70),
            ReportColumn::number(QStringLiteral("Anschaf-\nungs-\nbetrag"), 22, Format::Money, true),
            ReportColumn::number(QStringLiteral("Abschrei-\nbungs-\ndauer in\nJahren"), 18, Format::Integer,
                                 false),
            ReportColumn::text(QStringLiteral("Rest-\nAbschrei-\nbungszeit\nin Jahren"), 18,
                               ReportColumn::Align::Right),
            ReportColumn::number(QStringLiteral("Restwert"), 22, Format::Money, true),
            ReportColumn::number(QStringLiteral("Abschrei-\nbung für\ndas Jahr"), 22, Format::Money, true)};
}

QVariant amount(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant();
}

} // namespace

ReportDocument ExpenseListReport::document(const std::vector<Expense>& expenses, int year,
                                           const std::vector<ReportTextBlock>& header)
{
    ReportDocument doc;
    doc.title = QStringLiteral("Ausgaben für das Jahr ") + QString::number(year);
    doc.pageHeader = header;
    ReportSection section;
    section.columns = columns();
    ReportGroup group;
    for (const Expense& e : expenses) {
        if (!e.depreciation.listed(e.LAUFZEIT))
            continue;
        group.rows.push_back(
            ReportRow{{GermanFormat::date(e.AUSDATUM), e.ATEXT, e.BETRAG, e.LAUFZEIT, e.depreciation.RestLStr,
                       amount(e.depreciation.RestBetrag), amount(e.depreciation.AbschreibCalc)}});
    }
    section.groups.push_back(group);
    section.summaryLabel = QStringLiteral("Endsumme :");
    doc.sections.push_back(section);
    return doc;
}

ReportDocument ExpenseListReport::build(DataSet& set, const QStringList& args)
{
    const auto year = args.size() == 1 ? ExpenseBook::yearOf(args.first()) : std::nullopt;
    if (!year)
        throw ReportError(QStringLiteral("Erwartet wird das Jahr (JJJJ)."));
    ReportTextBlock account;
    account.lines << ConsultantAddress::accountLine(set.options());
    const std::vector<ReportTextBlock> header{
        account, ConsultantAddress::read(set.db(), set.options()).block(ReportTextBlock::Side::Right, false)};
    ScriptedUi ui;
    return document(ExpenseBook(set.db(), ui).expenses(year), *year, header);
}

void ExpenseListReport::registerIn(ReportRegistry& registry)
{
    registry.add({Name, QStringLiteral("JAHR"),
                  QStringLiteral("Ausgaben für das Jahr JAHR mit Restlaufzeit, Restwert und Abschreibung"),
                  &ExpenseListReport::build});
}

} // namespace korbelant
