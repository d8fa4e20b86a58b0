#include "cli/TwdCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "exchange/TTWD_File.h"
#include "exchange/TwdError.h"

#include <functional>
#include <map>

namespace korbelant {

namespace {

const QString kUsage =
    QStringLiteral("twd value DATEI [ABSCHNITT] SCHLÜSSEL | count DATEI ABSCHNITT TABELLE | "
                   "field DATEI ABSCHNITT TABELLE N FELD");

void load(TTWD_File& file, const QString& path)
{
    try {
        if (!file.LoadFile(path))
            throw CliRefusal(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(path));
    } catch (const TwdError& error) {
        throw CliRefusal(error.message());
    }
}

int value(CliContext& c, TTWD_File& file, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 2);
    c.out() << (args.size() == 1 ? file.GetValue(args.at(0)) : file.GetValue(args.at(0), args.at(1)))
            << Qt::endl;
    return 0;
}

int count(CliContext& c, TTWD_File& file, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    const TTWD_Table* table = file.FindTable(args.at(0), args.at(1));
    c.out() << (table ? table->recordCount() : 0) << Qt::endl;
    return 0;
}

int field(CliContext& c, TTWD_File& file, const QStringList& args)
{
    CliArgs::expectCount(args, 4, 4);
    bool ok = false;
    const int n = args.at(2).toInt(&ok);
    if (!ok)
        throw CliUsageError(QStringLiteral("Ungültige Satznummer \"%1\".").arg(args.at(2)));
    const TTWD_Table* table = file.FindTable(args.at(0), args.at(1));
    c.out() << (table ? table->GetField(n, args.at(3)) : QString()) << Qt::endl;
    return 0;
}

using Sub = std::function<int(CliContext&, TTWD_File&, const QStringList&)>;

int twd(CliContext& c, const QStringList& args)
{
    static const std::map<QString, Sub> subs{
        {QStringLiteral("value"), value}, {QStringLiteral("count"), count}, {QStringLiteral("field"), field}};
    if (args.size() < 2)
        throw CliUsageError(QStringLiteral("Es fehlen die Angaben zur TWD-Datei."));
    const auto sub = subs.find(args.first());
    if (sub == subs.end())
        throw CliUsageError(QStringLiteral("Unbekannter Befehl twd %1.").arg(args.first()));
    TTWD_File file;
    load(file, args.at(1));
    return sub->second(c, file, args.mid(2));
}

} // namespace

void TwdCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("twd"), kUsage, false, twd));
}

} // namespace korbelant
