#include "cli/BackOrderCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "parties/BackOrderList.h"
#include "parties/BackOrderRules.h"

#include <map>

namespace korbelant {

namespace {

using Action = BackOrderRules::Action;

const QString kUsage = QStringLiteral("--home VERZ [--answers …] backorder R_NR P_NR ID "
                                      "nachlieferung|erledigt|vergriffen|zurueck | "
                                      "backorder pieces R_NR P_NR ID STÜCK");

BackOrderKey key(const QStringList& args, int first)
{
    bool ok = false;
    const qint64 id = args.at(first + 2).toLongLong(&ok);
    if (!ok)
        throw CliUsageError(QStringLiteral("Die ID \"%1\" ist keine Zahl.").arg(args.at(first + 2)));
    return {args.at(first), args.at(first + 1), id};
}

BackOrderLine existing(Database& db, const BackOrderKey& k)
{
    const auto line = BackOrderList(db).line(k);
    if (!line)
        throw CliRefusal(QStringLiteral("Die Position %1 des Teilnehmers %2 der Vorführung %3 gibt es nicht.")
                             .arg(k.id)
                             .arg(k.pNr, k.rNr));
    return *line;
}

void printState(CliContext& c, const BackOrderKey& k)
{
    const BackOrderLine line = existing(c.dataSet().db(), k);
    c.out() << "NACHLIEF=" << line.nachlief << Qt::endl;
    c.out() << "Status=" << BackOrderRules::statusText(line.vorab, line.nachlief) << Qt::endl;
    c.out() << "NA_STUECK=" << line.naStueck << Qt::endl;
}

int pieces(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 4, 4);
    const BackOrderKey k = key(args, 0);
    existing(c.dataSet().db(), k);
    if (!BackOrderRules(c.dataSet().db(), c.ui()).setPieces(k, CliArgs::pieces(args.at(3))))
        return 1;
    printState(c, k);
    return 0;
}

int backorder(CliContext& c, const QStringList& args)
{
    if (args.value(0) == QStringLiteral("pieces"))
        return pieces(c, args.mid(1));
    static const std::map<QString, Action> actions{{QStringLiteral("nachlieferung"), Action::NotDelivered},
                                                   {QStringLiteral("erledigt"), Action::Done},
                                                   {QStringLiteral("vergriffen"), Action::OutOfStock},
                                                   {QStringLiteral("zurueck"), Action::Reset}};
    CliArgs::expectCount(args, 4, 4);
    const auto action = actions.find(args.at(3));
    if (action == actions.end())
        throw CliUsageError(QStringLiteral("Unbekannte Aktion %1.").arg(args.at(3)));
    const BackOrderKey k = key(args, 0);
    existing(c.dataSet().db(), k);
    switch (BackOrderRules(c.dataSet().db(), c.ui()).apply(k, action->second)) {
    case BackOrderRules::Outcome::Stored:
        printState(c, k);
        return 0;
    case BackOrderRules::Outcome::Declined:
        throw CliCancelled();
    case BackOrderRules::Outcome::Refused:
    case BackOrderRules::Outcome::Missing:
        break;
    }
    return 1;
}

} // namespace

void BackOrderCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("backorder"), kUsage, true, backorder));
}

} // namespace korbelant
