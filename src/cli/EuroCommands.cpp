#include "cli/EuroCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Cp1252.h"
#include "core/CurrencyRecord.h"
#include "core/CurrencyState.h"
#include "core/GermanFormat.h"
#include "euro/EuroConversion.h"

#include <QFile>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral(
    "--home VERZ [--answers …,EURO] euro convert [--bis TT.MM.JJJJ] [--ohne-artikel] | status");
const QString kConfirmCaption = QStringLiteral("Schriftliche Bestätigung :");

// The confirmation dialog on the command line: the typed words of --answers in turn, until one
// is EURO; none left cancels.
bool confirmTyped(CliContext& c)
{
    while (const std::optional<QString> typed = c.ui().typedText(kConfirmCaption)) {
        if (EuroConversion::isConfirmed(*typed))
            return true;
        c.ui().information(EuroConversion::kConfirmPlease);
    }
    return false;
}

int convert(CliContext& c, QStringList args)
{
    EuroRequest request;
    if (const auto until =
            CliArgs::takeOption(args, QStringLiteral("--bis"), QStringLiteral("Das Datum zu --bis fehlt."))) {
        CliArgs::date(*until);
        request.allData = false;
        request.dateText = *until;
    }
    if (args.removeAll(QStringLiteral("--ohne-artikel")) > 0)
        request.articles = false;
    CliArgs::expectCount(args, 0, 0);
    DataSet& set = c.dataSet();
    set.options().LoadOptions();
    switch (EuroConversion(set, c.ui()).run(request, [&c](const EuroRequest&) { return confirmTyped(c); })) {
    case EuroConversion::Outcome::Converted:
        return 0;
    case EuroConversion::Outcome::Cancelled:
        throw CliCancelled();
    case EuroConversion::Outcome::Refused:
    case EuroConversion::Outcome::Restored:
        break;
    }
    return 1;
}

// The currency as the next start determines it, then the whole status file.
int status(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    DataSet& set = c.dataSet();
    set.options().LoadOptions();
    CurrencyRecord::restoreStatusFile(set.db(), set.home());
    const auto currency =
        CurrencyState::determine(set.home(), set.options(), c.ui(), set.firstStart(), QDate::currentDate());
    c.out() << "Aktuelle Währung : " << CurrencyState::displayName(currency) << Qt::endl;
    QFile file(set.home().statusFile());
    if (file.open(QIODevice::ReadOnly))
        c.out() << Cp1252::decode(file.readAll());
    return 0;
}

int euro(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit dem Datenbestand geschehen soll."));
    if (args.first() == QStringLiteral("convert"))
        return convert(c, args.mid(1));
    if (args.first() == QStringLiteral("status"))
        return status(c, args.mid(1));
    throw CliUsageError(QStringLiteral("Unbekannter Befehl euro %1.").arg(args.first()));
}

} // namespace

void EuroCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("euro"), kUsage, true, euro));
}

} // namespace korbelant
