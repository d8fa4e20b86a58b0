#include "cli/PartyCommands.h"

#include "articles/TArtikelModul.h"
#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliFieldValue.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/GermanFormat.h"
#include "core/Schema.h"
#include "core/StorageForm.h"
#include "customers/TClientDataModul.h"
#include "parties/PartyDialogWorkflow.h"
#include "parties/TVorFuerModul.h"

#include <functional>
#include <map>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral("--home VERZ [--answers …] party new DATUM ZUSATZ K_NR | guest R_NR "
                                      "K_NR | guest-set R_NR P_NR FELD=WERT… | "
                                      "line R_NR P_NR L_NR VA STÜCK [VORAB=V] [FEHL_CODE=…] [L_TEXT=…] | "
                                      "line-delete R_NR P_NR ID | guest-delete R_NR P_NR | "
                                      "delete R_NR | set R_NR FELD=WERT… | show R_NR");

const QStringList kParticipantFields{QStringLiteral("K_NR"),          QStringLiteral("BEZAHLT"),
                                     QStringLiteral("Verabredung"),   QStringLiteral("Verabred_DATUM"),
                                     QStringLiteral("Verabred_ZEIT"), QStringLiteral("BENENNUNG"),
                                     QStringLiteral("BENE_DATUM"),    QStringLiteral("BENE_ZEIT")};
const QStringList kHeaderFields{
    QStringLiteral("GAESTE"),     QStringLiteral("REKRUTIER"),  QStringLiteral("KM_EINFACH"),
    QStringLiteral("VORBEREIT1"), QStringLiteral("VORBEREIT2"), QStringLiteral("AUSLIEFER1"),
    QStringLiteral("AUSLIEFER2"), QStringLiteral("BZH_VF_ART"), QStringLiteral("VF_TEXT")};

TVorFuerModul::Record existingHeader(TVorFuerModul& party, const QString& rNr)
{
    auto h = party.header(rNr);
    if (!h)
        throw CliRefusal(QStringLiteral("Die Vorführung %1 gibt es nicht.").arg(rNr));
    return *h;
}

void expectCustomer(TVorFuerModul& party, const QString& kNr)
{
    if (!party.customerExists(kNr))
        throw CliRefusal(QStringLiteral("Den Kunden %1 gibt es nicht.").arg(kNr));
}

TVorFuerModul::Record existingParticipant(TVorFuerModul& party, const QString& rNr, const QString& pNr)
{
    existingHeader(party, rNr);
    auto p = party.participant(rNr, pNr);
    if (!p)
        throw CliRefusal(QStringLiteral("Den Teilnehmer %1 der Vorführung %2 gibt es nicht.").arg(pNr, rNr));
    return *p;
}

int newParty(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 3, 3);
    const auto rNr = party.checkPartyNumber(args.at(0), args.at(1), QDate::currentDate());
    if (!rNr) {
        c.err() << "Die Vorführung wurde nicht angelegt." << Qt::endl;
        return 1;
    }
    PartyDialogWorkflow workflow =
        PartyDialogWorkflow::startNew(party, *rNr, *GermanFormat::parseDate(args.at(0)));
    TVorFuerModul::Record h = workflow.header();
    party.setHost(h, args.at(2));
    const QString week = h.value(QStringLiteral("MWoche")).toString();
    if (!party.dialogOk(h, week.left(4), week.mid(4))) {
        workflow.cancel();
        c.err() << "Die Vorführung wurde nicht angelegt." << Qt::endl;
        return 1;
    }
    workflow.accept(h);
    for (const char* field : {"R_NR", "MWoche", "TWoche", "BZH_VF_NR"})
        c.out() << field << '=' << workflow.header().value(QString::fromLatin1(field)).toString() << Qt::endl;
    return 0;
}

int addGuest(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    existingHeader(party, args.at(0));
    expectCustomer(party, args.at(1));
    auto p = party.addParticipant(args.at(0));
    if (!p)
        return 1;
    (*p)[QStringLiteral("K_NR")] = args.at(1);
    party.saveParticipant(*p);
    party.closeGuestWindow(args.at(0), p->value(QStringLiteral("P_NR")).toString());
    c.out() << "P_NR=" << p->value(QStringLiteral("P_NR")).toString() << Qt::endl;
    return 0;
}

int setGuest(CliContext&, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 3, 3 + kParticipantFields.size());
    TVorFuerModul::Record p = existingParticipant(party, args.at(0), args.at(1));
    const QVariantMap values = CliArgs::fieldValues(args.mid(2));
    const TableDef& table = Schema::get(QStringLiteral("Tupper"));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = table.field(it.key());
        if (!field || !kParticipantFields.contains(field->name))
            throw CliUsageError(QStringLiteral("Das Feld %1 kann hier nicht geändert werden.").arg(it.key()));
        if (field->name == QStringLiteral("K_NR") && args.at(1) == TVorFuerModul::kHost)
            throw CliUsageError(
                QStringLiteral("Die Gastgeberin wird mit \"party set R_NR K_NR=…\" festgelegt."));
        if (field->name == QStringLiteral("K_NR"))
            expectCustomer(party, it.value().toString());
        p[field->name] = CliFieldValue::entered(*field, it.value().toString());
    }
    party.saveParticipant(p);
    party.closeGuestWindow(args.at(0), args.at(1));
    return 0;
}

QString previousKind(TVorFuerModul& party, const QString& rNr, const QString& pNr)
{
    const auto lines = party.lineRules().lines(rNr, pNr);
    return lines.empty() ? QString() : lines.back().va;
}

int enterLine(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 5, 8);
    const QString rNr = args.at(0);
    const QString pNr = args.at(1);
    const TVorFuerModul::Record p = existingParticipant(party, rNr, pNr);
    const QVariantMap extra = CliArgs::fieldValues(args.mid(5));
    QVariantMap texts = extra;
    texts.insert(QStringLiteral("L_NR"), args.at(2));
    texts.insert(QStringLiteral("VA"), args.at(3));
    CliArgs::expectFits(Schema::get(QStringLiteral("Tupper1")), texts);
    const int pieces = CliArgs::pieces(args.at(4));
    GuestLineRules& rules = party.lineRules();
    OrderLine line =
        rules.newLine(rNr, pNr, p.value(QStringLiteral("MWoche")).toString(),
                      p.value(QStringLiteral("TWoche")).toString(), previousKind(party, rNr, pNr));
    rules.Tu1TableVAChange(line, args.at(3));
    rules.Tu1TableL_NRChange(line, args.at(2) == QStringLiteral("-") ? QString() : args.at(2));
    rules.Tu1TableSTUECKChange(line, pieces);
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        if (it.key() == QStringLiteral("VORAB")) {
            if (!it.value().toString().isEmpty() && it.value().toString().toUpper() != QStringLiteral("V"))
                throw CliUsageError(QStringLiteral("VORAB kann nur V oder leer sein."));
            line.vorab = it.value().toString().toUpper();
        } else if (it.key() == QStringLiteral("FEHL_CODE")) {
            line.fehlCode = it.value().toString();
        } else if (it.key() == QStringLiteral("L_TEXT")) {
            line.lText = it.value().toString();
        } else {
            throw CliUsageError(QStringLiteral("Unbekannte Angabe %1.").arg(it.key()));
        }
    }
    switch (rules.saveLine(line)) {
    case GuestLineRules::SaveResult::Saved:
        break;
    case GuestLineRules::SaveResult::Dropped:
        c.err() << "Eine Position ohne Artikel-Nr. wird nicht gespeichert." << Qt::endl;
        return 1;
    case GuestLineRules::SaveResult::Abandoned:
        c.err() << "Die Position wurde nicht gespeichert." << Qt::endl;
        return 1;
    }
    party.closeGuestWindow(rNr, pNr);
    c.out() << "ID=" << line.id << Qt::endl;
    return 0;
}

int deleteLine(CliContext&, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 3, 3);
    existingParticipant(party, args.at(0), args.at(1));
    bool ok = false;
    const qint64 id = args.at(2).toLongLong(&ok);
    const auto line = ok ? party.lineRules().line(args.at(0), args.at(1), id) : std::nullopt;
    if (!line)
        throw CliRefusal(
            QStringLiteral("Die Position %1 gibt es bei diesem Teilnehmer nicht.").arg(args.at(2)));
    party.lineRules().deleteLine(*line);
    party.closeGuestWindow(args.at(0), args.at(1));
    return 0;
}

int deleteGuest(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    existingParticipant(party, args.at(0), args.at(1));
    return party.deleteParticipant(args.at(0), args.at(1)) ? 0 : c.notDone(CliCancelled::kNothingDeleted);
}

int deleteParty(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    existingHeader(party, args.at(0));
    return party.deleteParty(args.at(0)) ? 0 : c.notDone(CliCancelled::kNothingDeleted);
}

int setHeader(CliContext&, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2 + kHeaderFields.size() + 4);
    TVorFuerModul::Record h = existingHeader(party, args.at(0));
    QVariantMap values = CliArgs::fieldValues(args.mid(1));
    const TableDef& table = Schema::get(QStringLiteral("Tuppkopf"));
    const QString host = values.take(QStringLiteral("K_NR")).toString();
    const QString newDate = values.take(QStringLiteral("DATUM")).toString();
    const QString year = values.take(QStringLiteral("Jahr")).toString();
    const QString week = values.take(QStringLiteral("Woche")).toString();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef* field = table.field(it.key());
        if (!field || !kHeaderFields.contains(field->name))
            throw CliUsageError(QStringLiteral("Das Feld %1 kann hier nicht geändert werden.").arg(it.key()));
        h[field->name] = CliFieldValue::entered(*field, it.value().toString());
    }
    if (h.value(QStringLiteral("BZH_VF_ART")).toInt() != 0 &&
        h.value(QStringLiteral("BZH_VF_ART")).toInt() != 1)
        throw CliUsageError(QStringLiteral("BZH_VF_ART ist 0 (normale Vorführung) oder 1 (Erlebnisparty)."));
    if (!host.isEmpty())
        party.setHost(h, host);
    if (!newDate.isEmpty())
        party.changeDate(h, CliArgs::date(newDate));
    const QString key = h.value(QStringLiteral("MWoche")).toString();
    if (!party.dialogOk(h, year.isEmpty() ? key.left(4) : year, week.isEmpty() ? key.mid(4) : week))
        return 1;
    party.saveHeader(h);
    return 0;
}

int show(CliContext& c, TVorFuerModul& party, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    const TVorFuerModul::Record h = existingHeader(party, args.at(0));
    for (const FieldDef& field : Schema::get(QStringLiteral("Tuppkopf")).fields)
        c.out() << field.name << '=' << CliFieldValue::shown(field, h.value(field.name)) << Qt::endl;
    const TVorFuerModul::CalcValues calc = party.TKopfTableCalcFields(h);
    c.out() << "Name=" << calc.name << Qt::endl;
    c.out() << "Provision=" << GermanFormat::number(calc.provision, 2) << Qt::endl;
    c.out() << "SummeKm=" << calc.summeKm << Qt::endl;
    c.out() << "Verabred_2=" << calc.verabred2 << Qt::endl;
    c.out() << "MSterne=" << calc.mSterne << Qt::endl;
    return 0;
}

using Sub = std::function<int(CliContext&, TVorFuerModul&, const QStringList&)>;

int party(CliContext& c, const QStringList& args)
{
    static const std::map<QString, Sub> subs{{QStringLiteral("new"), newParty},
                                             {QStringLiteral("guest"), addGuest},
                                             {QStringLiteral("guest-set"), setGuest},
                                             {QStringLiteral("line"), enterLine},
                                             {QStringLiteral("line-delete"), deleteLine},
                                             {QStringLiteral("guest-delete"), deleteGuest},
                                             {QStringLiteral("delete"), deleteParty},
                                             {QStringLiteral("set"), setHeader},
                                             {QStringLiteral("show"), show}};
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit der Vorführung geschehen soll."));
    const auto sub = subs.find(args.first());
    if (sub == subs.end())
        throw CliUsageError(QStringLiteral("Unbekannter Befehl party %1.").arg(args.first()));
    DataSet& set = c.dataSet();
    TClientDataModul customers(set.db(), c.ui());
    TArtikelModul articles(set, c.ui());
    TVorFuerModul module(set.db(), set.options(), c.ui(), customers, articles);
    return sub->second(c, module, args.mid(1));
}

} // namespace

void PartyCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("party"), kUsage, true, party));
}

} // namespace korbelant
