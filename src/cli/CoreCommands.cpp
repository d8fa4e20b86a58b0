#include "cli/CoreCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Currency.h"
#include "core/DistanceRebuild.h"
#include "core/GermanFormat.h"
#include "core/IncompleteRecords.h"
#include "core/Installation.h"
#include "core/OptionDef.h"
#include "core/TableBuilder.h"
#include "core/WeekKey.h"

#include <QElapsedTimer>

namespace korbelant {

namespace {

int init(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    QElapsedTimer timer;
    timer.start();
    if (Installation::init(c.home()) == Installation::Result::AlreadyThere) {
        c.out() << "Im Verzeichnis " << c.home().root()
                << " gibt es schon einen Datenbestand; er bleibt unverändert." << Qt::endl;
        return 0;
    }
    c.out() << "Datenbestand angelegt in " << c.home().root() << " (" << timer.elapsed() << " ms)."
            << Qt::endl;
    return 0;
}

int repair(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    QElapsedTimer timer;
    timer.start();
    DataSet& set = c.dataSet();
    const auto outcome = TableBuilder(set.db()).RepairTables();
    const auto removed = IncompleteRecords(set.db()).RemoveIncompleteRecords();
    const int distances = DistanceRebuild(set.db(), set.log()).RebuildDistances();
    c.out() << "Tabellen angelegt: " << outcome.created.size()
            << ", neu aufgebaut: " << outcome.rebuilt.size()
            << ", Wochensätze ergänzt: " << outcome.weekRecordsAdded << Qt::endl;
    c.out() << "Unvollständige Sätze entfernt: " << removed.lines << " Positionen, " << removed.participants
            << " Teilnehmer, " << removed.parties << " Vorführungen" << Qt::endl;
    c.out() << "Entfernungen ergänzt: " << distances << " (" << timer.elapsed() << " ms)" << Qt::endl;
    return 0;
}

int option(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 2);
    if (!OptionDef::find(args.at(0)))
        throw CliUsageError(QStringLiteral("Unbekannte Option \"%1\".").arg(args.at(0)));
    Options options(c.home().optionsFile());
    if (!options.LoadOptions()) {
        c.err() << "Die Optionsdatei " << c.home().optionsFile() << " kann nicht gelesen werden." << Qt::endl;
        return 1;
    }
    if (args.size() == 1) {
        c.out() << options.text(args.at(0)) << Qt::endl;
        return 0;
    }
    options.setText(args.at(0), args.at(1));
    if (!options.SaveOptions()) {
        c.err() << "Die Optionsdatei " << c.home().optionsFile() << " kann nicht geschrieben werden."
                << Qt::endl;
        return 1;
    }
    return 0;
}

int weekKey(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    c.out() << WeekKey::weekKey(CliArgs::date(args.at(0))) << Qt::endl;
    return 0;
}

int convert(CliContext& c, const QStringList& args, double (*conversion)(double))
{
    CliArgs::expectCount(args, 1, 1);
    c.out() << GermanFormat::number(conversion(CliArgs::amount(args.at(0))), 4) << Qt::endl;
    return 0;
}

} // namespace

void CoreCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("init"), QStringLiteral("--home VERZ init"),
                                              true, init));
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("repair"), QStringLiteral("--home VERZ repair"),
                                              true, repair));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("option"), QStringLiteral("--home VERZ option SCHLÜSSEL [WERT]"), true, option));
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("week-key"),
                                              QStringLiteral("week-key TT.MM.JJJJ"), false, weekKey));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("dm-to-euro"), QStringLiteral("dm-to-euro BETRAG"), false,
        [](CliContext& c, const QStringList& a) { return convert(c, a, &Currency::DmToEuro); }));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("euro-to-dm"), QStringLiteral("euro-to-dm BETRAG"), false,
        [](CliContext& c, const QStringList& a) { return convert(c, a, &Currency::EuroToDm); }));
}

} // namespace korbelant
