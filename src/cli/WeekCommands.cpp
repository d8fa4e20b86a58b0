#include "cli/WeekCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliFieldValue.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/FieldWidthCheck.h"
#include "core/MWocheFields.h"
#include "exchange/DiskTransfer.h"
#include "exchange/OrderTransfer.h"
#include "exchange/TransferQueries.h"
#include "reports/ReportError.h"
#include "week/TWocheDataModul.h"
#include "week/WeekRecordSpin.h"
#include "week/WeekReportArguments.h"

#include <functional>
#include <map>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral(
    "--home VERZ [--answers …] week list | show MWOCHE | new JJJJWW | delete MWOCHE | "
    "set MWOCHE FELD=WERT… | spin MWOCHE FELD up|down | request MWOCHE KODIERUNG up|down | plan MWOCHE | "
    "printed MWOCHE K | exported MWOCHE [--von T --bis T] | rebuild | mark MWOCHE T… | "
    "query MWOCHE orders|addresses|bookings|success [--von T --bis T] | "
    "transfer MWOCHE [--von T --bis T] [--online] [--target VERZ] | "
    "disk MWOCHE [--von T --bis T] [--target VERZ]…");

using Module = TWocheDataModul;

void openWeek(Module& week, const QString& key)
{
    if (!week.setCurrentWeek(key))
        throw CliRefusal(QStringLiteral("Die Woche %1 gibt es nicht.").arg(key));
}

bool direction(const QString& word)
{
    if (word == QStringLiteral("up"))
        return true;
    if (word == QStringLiteral("down"))
        return false;
    throw CliUsageError(QStringLiteral("Bitte up oder down angeben, nicht \"%1\".").arg(word));
}

// The week with the part-weeks of "--von T --bis T", or all of its part-weeks without them.
WeekRange weekRange(Module& week, const QStringList& args)
{
    try {
        const WeekRange range = WeekReportArguments::parse(week.db(), args);
        openWeek(week, range.week);
        return range;
    } catch (const ReportError& e) {
        if (e.message().startsWith(QStringLiteral("Die Woche ")))
            throw CliRefusal(e.message());
        throw CliUsageError(e.message());
    }
}

void printTable(CliContext& c, const ResultTable& table)
{
    c.out() << table.columns().join(QLatin1Char(';')) << Qt::endl;
    for (const QVariantList& row : table.rows()) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << CliFieldValue::shown(value);
        c.out() << cells.join(QLatin1Char(';')) << Qt::endl;
    }
}

int list(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    for (const QString& key : week.weekKeys())
        c.out() << key << Qt::endl;
    return 0;
}

int show(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    openWeek(week, args.at(0));
    for (const FieldDef& field : MWocheFields::table().fields)
        c.out() << field.name << '=' << CliFieldValue::shown(field, week.field(field.name)) << Qt::endl;
    const ResultTable& sums = week.TWocheQuery();
    for (int r = 0; r < sums.rowCount(); ++r) {
        QStringList cells{QStringLiteral("Teilwoche=") + sums.value(r, QStringLiteral("TWOCHE")).toString()};
        for (const QString& column : sums.columns())
            cells << column + QLatin1Char('=') + CliFieldValue::shown(sums.value(r, column));
        c.out() << cells.join(QLatin1Char(';')) << Qt::endl;
    }
    for (int k = 1; k <= WeekPrintState::kReports; ++k)
        c.out() << "Bericht" << k << '=' << week.ReportPrintState(k) << Qt::endl;
    return 0;
}

int newWeek(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    if (!week.askNewWeek())
        throw CliCancelled();
    switch (week.createEmptyWeek(args.at(0).left(4), args.at(0).mid(4))) {
    case Module::NewWeek::Created:
        c.out() << "MWoche=" << args.at(0).trimmed() << Qt::endl;
        return 0;
    case Module::NewWeek::Existing:
        return 0;
    default:
        return 1;
    }
}

int deleteWeek(CliContext&, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    openWeek(week, args.at(0));
    switch (week.deleteWeek()) {
    case Module::DeleteWeek::Deleted:
        return 0;
    case Module::DeleteWeek::Cancelled:
        throw CliCancelled(CliCancelled::kNothingDeleted);
    default:
        return 1;
    }
}

int set(CliContext&, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2 + static_cast<int>(MWocheFields::table().fields.size()));
    openWeek(week, args.at(0));
    const QVariantMap values = CliArgs::fieldValues(args.mid(1));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = MWocheFields::table().field(it.key());
        if (!field || field->name == MWocheFields::MWoche || field->name == Module::kPrintWord)
            throw CliUsageError(QStringLiteral("Das Feld %1 kann hier nicht geändert werden.").arg(it.key()));
        if (field->type == FieldDef::Type::FmtMemo) {
            FieldDef asText = *field; // the remark is held to its width like a text field
            asText.type = FieldDef::Type::Alpha;
            if (const auto tooLong = FieldWidthCheck::violation(asText, it.value().toString()))
                throw CliRefusal(*tooLong);
        }
        week.setField(field->name, CliFieldValue::entered(*field, it.value().toString()));
    }
    week.store();
    return 0;
}

int spin(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 3, 3);
    const bool up = direction(args.at(2));
    const FieldDef* field = MWocheFields::table().field(args.at(1));
    if (!field || !WeekRecordSpin::spinnable(field->name))
        throw CliUsageError(QStringLiteral("Das Feld %1 hat keinen Drehknopf.").arg(args.at(1)));
    openWeek(week, args.at(0));
    c.out() << field->name << '=' << week.spin(field->name, up).toString() << Qt::endl;
    return 0;
}

int request(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 3, 3);
    const bool up = direction(args.at(2));
    openWeek(week, args.at(0));
    const auto item = WeekRequestItems::item(week.db(), args.at(0), args.at(1));
    if (!item)
        throw CliRefusal(
            QStringLiteral("Den Posten %1 gibt es in der Woche %2 nicht.").arg(args.at(1), args.at(0)));
    const auto menge = week.requestSpin(args.at(1), up);
    c.out() << "Menge=" << menge.value_or(item->Menge) << Qt::endl;
    return 0;
}

int plan(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    openWeek(week, args.at(0));
    const WeekPlanning::Counts counts = week.planungEintragen();
    for (int k = 1; k <= WeekPlanning::kWeeks; ++k)
        c.out() << "VORFUEHR_" << k << '=' << counts[static_cast<size_t>(k - 1)] << Qt::endl;
    return 0;
}

int printed(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    bool ok = false;
    const int k = args.at(1).toInt(&ok);
    if (!ok || k < 1 || k > WeekPrintState::kReports)
        throw CliUsageError(QStringLiteral("Der Bericht ist eine Zahl von 1 bis 5."));
    openWeek(week, args.at(0));
    week.MarkReportPrinted(k);
    c.out() << "DR_20=" << week.field(Module::kPrintWord).toInt() << Qt::endl;
    return 0;
}

int exported(CliContext& c, Module& week, const QStringList& args)
{
    const WeekRange range = weekRange(week, args);
    week.markRange(range);
    week.MarkPartiesExported();
    c.out() << "Vorführungen=" << week.VorFuerTable().size() << Qt::endl;
    return 0;
}

int rebuild(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    c.out() << "Angelegt=" << week.RebuildWeekRecords() << Qt::endl;
    return 0;
}

int mark(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 1000);
    openWeek(week, args.at(0));
    const QStringList partWeeks = week.partWeeks();
    for (const QString& partWeek : args.mid(1)) {
        if (!partWeeks.contains(partWeek, Qt::CaseInsensitive))
            throw CliRefusal(
                QStringLiteral("Die Teilwoche %1 gibt es in der Woche %2 nicht.").arg(partWeek, args.at(0)));
        week.markPartWeek(partWeek);
        c.out() << WeekMarking::text(week.marked()) << Qt::endl;
    }
    return 0;
}

int query(CliContext& c, Module& week, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 6);
    const QString which = args.at(1);
    QStringList rest = args;
    rest.removeAt(1);
    const WeekRange range = weekRange(week, rest);
    const TransferQueries queries = week.transferQueries();
    static const std::map<QString, std::function<ResultTable(const TransferQueries&, const WeekRange&)>>
        kinds{{QStringLiteral("orders"), &TransferQueries::RechQuery},
              {QStringLiteral("addresses"), &TransferQueries::AddressQuerry},
              {QStringLiteral("bookings"), &TransferQueries::BuchungenQuery},
              {QStringLiteral("success"), &TransferQueries::ERfolgQuery}};
    const auto kind = kinds.find(which);
    if (kind == kinds.end())
        throw CliUsageError(
            QStringLiteral("Unbekannte Abfrage %1 (orders, addresses, bookings, success).").arg(which));
    printTable(c, kind->second(queries, range));
    return 0;
}

// Takes "--target DIR" and "--online" out of the arguments: the exchange folder the folder dialog
// would return. Without either, the folder the dialog proposes.
OrderTransfer::Target transferTarget(const OrderTransfer& transfer, QStringList& args)
{
    const bool online = args.removeAll(QStringLiteral("--online")) > 0;
    const qsizetype at = args.indexOf(QStringLiteral("--target"));
    if (at >= 0 && online)
        throw CliUsageError(QStringLiteral("Bitte entweder --online oder --target angeben."));
    if (online)
        return {transfer.onlineFolder(), true};
    if (at < 0)
        return {transfer.localFolder(), false};
    if (at + 1 >= args.size() || args.at(at + 1).trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("Nach --target fehlt das Verzeichnis."));
    const QString folder = args.at(at + 1);
    args.remove(at, 2);
    return {folder, false};
}

int transfer(CliContext& c, Module& week, const QStringList& args)
{
    OrderTransfer order(week, c.dataSet().options(), c.home(), c.ui());
    QStringList rest = args;
    const OrderTransfer::Target target = transferTarget(order, rest);
    const WeekRange range = weekRange(week, rest);
    if (rest.contains(QStringLiteral("--von")))
        week.markRange(range);
    const std::optional<QString> archive = order.run(target);
    if (!archive)
        return 1;
    c.out() << *archive << Qt::endl;
    return 0;
}

// The week onto the exchange disks; every "--target DIR" is the folder of one disk in turn.
int disk(CliContext& c, Module& week, const QStringList& args)
{
    QStringList rest = args;
    QStringList targets;
    while (const auto target = CliArgs::takeOption(rest, QStringLiteral("--target"),
                                                   QStringLiteral("Nach --target fehlt das Verzeichnis.")))
        targets << *target;
    const WeekRange range = weekRange(week, rest);
    if (rest.contains(QStringLiteral("--von")))
        week.markRange(range);
    DiskTransfer transfer(week, c.dataSet().options(), c.home(), c.ui());
    transfer.setTargets(targets);
    const DiskTransfer::Result result = transfer.run(false);
    c.out() << "Disketten=" << result.disks << Qt::endl << "Geschrieben=" << result.written << Qt::endl;
    return !result.ended && result.written == result.disks ? 0 : 1;
}

using Sub = std::function<int(CliContext&, Module&, const QStringList&)>;

int week(CliContext& c, const QStringList& args)
{
    static const std::map<QString, Sub> subs{
        {QStringLiteral("list"), list},       {QStringLiteral("show"), show},
        {QStringLiteral("new"), newWeek},     {QStringLiteral("delete"), deleteWeek},
        {QStringLiteral("set"), set},         {QStringLiteral("spin"), spin},
        {QStringLiteral("request"), request}, {QStringLiteral("plan"), plan},
        {QStringLiteral("printed"), printed}, {QStringLiteral("exported"), exported},
        {QStringLiteral("rebuild"), rebuild}, {QStringLiteral("mark"), mark},
        {QStringLiteral("query"), query},     {QStringLiteral("transfer"), transfer},
        {QStringLiteral("disk"), disk}};
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit der Woche geschehen soll."));
    const auto sub = subs.find(args.first());
    if (sub == subs.end())
        throw CliUsageError(QStringLiteral("Unbekannter Befehl week %1.").arg(args.first()));
    DataSet& set = c.dataSet();
    Module module(set.db(), set.options(), c.ui());
    const int code = sub->second(c, module, args.mid(1));
    module.close();
    return code;
}

} // namespace

void WeekCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("week"), kUsage, true, week));
}

} // namespace korbelant
