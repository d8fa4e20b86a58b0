#include "cli/CustomerCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Schema.h"
#include "customers/CustomerDbfExport.h"
#include "customers/CustomerFilter.h"
#include "customers/CustomerMerge.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"

#include <QDir>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral(
    "--home VERZ customer new FELD=WERT… | delete K_NR | merge K1 K2 | list [FILTERFELD=WERT…] | "
    "export-dbf [FILTERFELD=WERT…]");

int newCustomer(CliContext& c, TClientDataModul& store, const QStringList& args)
{
    TClientDataModul::Record record = store.newCustomer();
    const QVariantMap values = CliArgs::fieldValues(args);
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = kunden.field(it.key());
        if (!field)
            throw CliUsageError(
                QStringLiteral("Das Feld %1 gibt es in der Kundentabelle nicht.").arg(it.key()));
        if (field->name == QStringLiteral("K_NR"))
            throw CliUsageError(QStringLiteral("Die Kundennummer vergibt das Programm."));
        record.insert(field->name, it.value());
    }
    CliArgs::expectFits(kunden, values);
    const TClientDataModul::PostResult result = store.post(record, true);
    if (!result.ok) {
        c.err() << result.error << Qt::endl;
        return 1;
    }
    c.out() << record.value(QStringLiteral("K_NR")).toString() << Qt::endl;
    return 0;
}

int deleteCustomer(CliContext& c, TClientDataModul& store, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    if (store.deleteCustomer(args.at(0)))
        return 0;
    if (!c.ui().wasShown(TClientDataModul::kReservedMessage))
        c.err() << "Den Kunden " << args.at(0) << " gibt es nicht." << Qt::endl;
    return 1;
}

int merge(TClientDataModul& store, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    return CustomerMerge(store).merge(args.at(0), args.at(1)) ? 0 : 1;
}

// The customers as the customer window shows them after the filter dialog was accepted with
// these entries, in the order "Name + Vorname".
bool filteredView(CliContext& c, CustomerView& view, const QStringList& args)
{
    if (args.isEmpty())
        return true;
    CustomerFilter filter;
    const QStringList unknown = filter.setAll(CliArgs::fieldValues(args));
    if (!unknown.isEmpty())
        throw CliUsageError(
            QStringLiteral("Unbekannte Filterfelder: %1").arg(unknown.join(QStringLiteral(", "))));
    return view.applyFilterDialog(filter, c.ui());
}

int list(CliContext& c, CustomerView& view, const QStringList& args)
{
    if (!filteredView(c, view, args))
        return 1;
    for (const CustomerRow& row : view.rows())
        c.out() << row.number << ';' << row.name << ';' << row.firstName << '\n';
    c.out().flush();
    return 0;
}

int exportDbf(CliContext& c, CustomerView& view, const QStringList& args)
{
    if (!filteredView(c, view, args))
        return 1;
    const QString file = QDir(c.dataSet().home().dbDir()).filePath(CustomerDbfExport::kFileName);
    const int written = CustomerDbfExport(c.dataSet().db()).write(view, file);
    c.out() << written << " Kunden nach " << QDir::toNativeSeparators(file) << " geschrieben." << Qt::endl;
    return 0;
}

int customer(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit den Kunden geschehen soll."));
    const QString action = args.first();
    const QStringList rest = args.mid(1);
    TClientDataModul store(c.dataSet().db(), c.ui());
    CustomerView view(c.dataSet().db());
    if (action == QStringLiteral("new"))
        return newCustomer(c, store, rest);
    if (action == QStringLiteral("delete"))
        return deleteCustomer(c, store, rest);
    if (action == QStringLiteral("merge"))
        return merge(store, rest);
    if (action == QStringLiteral("list"))
        return list(c, view, rest);
    if (action == QStringLiteral("export-dbf"))
        return exportDbf(c, view, rest);
    throw CliUsageError(QStringLiteral("Unbekannte Kundenfunktion \"%1\".").arg(action));
}

} // namespace

void CustomerCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("customer"), kUsage, true, customer));
}

} // namespace korbelant
