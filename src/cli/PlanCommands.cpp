#include "cli/PlanCommands.h"

#include "articles/TArtikelModul.h"
#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/GermanFormat.h"
#include "customers/TClientDataModul.h"
#include "parties/TVorFuerModul.h"
#include "planning/PartyPlanning.h"
#include "planning/PlanExport.h"
#include "planning/PlanPartyCreation.h"

#include <functional>
#include <map>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral("--home VERZ [--answers …] plan host K_NR | guest K_NR | clear K_NR | "
                                      "reset | list | export | party ZUSATZ [TT.MM.JJJJ]");

void expectCustomer(CliContext& c, const QString& kNr)
{
    if (!c.dataSet().db().scalar(QStringLiteral("SELECT 1 FROM Kunden WHERE K_NR = ?"), {kNr}).isValid())
        throw CliRefusal(QStringLiteral("Den Kunden %1 gibt es nicht.").arg(kNr));
}

int mark(CliContext& c, PartyPlanning& planning, const QStringList& args,
         bool (PartyPlanning::*setter)(const QString&))
{
    CliArgs::expectCount(args, 1, 1);
    expectCustomer(c, args.at(0));
    if (!(planning.*setter)(args.at(0)))
        return 1;
    const PartyPlanning::Counts counts = planning.counts();
    c.out() << "Gastgeberin=" << counts.hosts << Qt::endl << "Gäste=" << counts.guests << Qt::endl;
    return 0;
}

int reset(CliContext&, PartyPlanning& planning, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    if (!planning.reset())
        throw CliCancelled();
    return 0;
}

int list(CliContext& c, PartyPlanning& planning, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    for (const QVariantList& row :
         c.dataSet().db().rows(QStringLiteral("SELECT K_NR, V_ANZAHL, IFNULL(NAME, ''), IFNULL(VORNAME, '') "
                                              "FROM Kunden WHERE ") +
                               PartyPlanning::kMarkedCondition + QStringLiteral(" ORDER BY K_NR")))
        c.out() << row.at(0).toString() << '\t' << PartyPlanning::markText(row.at(1).toInt()) << '\t'
                << row.at(2).toString() << ", " << row.at(3).toString() << Qt::endl;
    const PartyPlanning::Counts counts = planning.counts();
    c.out() << "Gäste markiert : " << counts.guests << Qt::endl;
    return 0;
}

int exportPlan(CliContext& c, PartyPlanning&, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 0);
    if (!PlanExport(c.dataSet().db()).Export(c.dataSet().home().dbDir(), c.ui()))
        return c.notDone(CliCancelled::kNothingChanged);
    c.out() << "Exportdatei " << c.dataSet().home().dbDir() << '/' << PlanExport::kFileName << " geschrieben."
            << Qt::endl;
    return 0;
}

int party(CliContext& c, PartyPlanning& planning, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 2);
    DataSet& set = c.dataSet();
    TClientDataModul customers(set.db(), c.ui());
    TArtikelModul articles(set, c.ui());
    TVorFuerModul parties(set.db(), set.options(), c.ui(), customers, articles);
    PlanPartyCreation creation(parties, planning);
    const auto host = creation.host();
    if (!host)
        return 1;
    const QDate date = args.size() > 1 ? CliArgs::date(args.at(1)) : creation.dialogDate(*host, QDate());
    if (!date.isValid())
        throw CliUsageError(
            QStringLiteral("Die Gastgeberin hat keinen Termin der nächsten Vorführung; das Datum fehlt."));
    const auto rNr = parties.checkPartyNumber(GermanFormat::date(date), args.at(0), QDate::currentDate());
    if (!rNr)
        return c.notDone(QStringLiteral("Abgebrochen, keine Vorführung angelegt."));
    const PlanPartyCreation::Created created =
        creation.create(*rNr, date, *host, planning.marked(CustomerSort::Order::Name));
    c.out() << "R_NR=" << created.rNr << Qt::endl;
    for (const auto& [pNr, kNr] : created.participants)
        c.out() << pNr << '\t' << kNr << Qt::endl;
    return 0;
}

using Sub = std::function<int(CliContext&, PartyPlanning&, const QStringList&)>;

int plan(CliContext& c, const QStringList& args)
{
    using namespace std::placeholders;
    static const std::map<QString, Sub> subs{
        {QStringLiteral("host"), std::bind(mark, _1, _2, _3, &PartyPlanning::markHost)},
        {QStringLiteral("guest"), std::bind(mark, _1, _2, _3, &PartyPlanning::markGuest)},
        {QStringLiteral("clear"), std::bind(mark, _1, _2, _3, &PartyPlanning::clear)},
        {QStringLiteral("reset"), reset},
        {QStringLiteral("list"), list},
        {QStringLiteral("export"), exportPlan},
        {QStringLiteral("party"), party}};
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit der Vorplanung geschehen soll."));
    const auto sub = subs.find(args.first());
    if (sub == subs.end())
        throw CliUsageError(QStringLiteral("Unbekannter Befehl plan %1.").arg(args.first()));
    PartyPlanning planning(c.dataSet().db(), c.ui());
    return sub->second(c, planning, args.mid(1));
}

} // namespace

void PlanCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("plan"), kUsage, true, plan));
}

} // namespace korbelant
