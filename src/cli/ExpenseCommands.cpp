#include "cli/ExpenseCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/GermanFormat.h"
#include "core/Schema.h"
#include "expenses/ExpenseBook.h"
#include "expenses/TravelAccount.h"
#include "expenses/TravelDbfExport.h"

#include <QDir>

namespace korbelant {

namespace {

QString amount(const std::optional<double>& value)
{
    return value ? GermanFormat::number(*value, 2) : QString();
}

int travel(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const bool dbf = args.removeAll(QStringLiteral("--dbf")) > 0;
    CliArgs::expectCount(args, 2, 2);
    const auto range = TravelAccount::checkedRange(args.at(0), args.at(1), c.ui());
    if (!range)
        return c.notDone(CliCancelled::kNothingChanged);
    const std::vector<TravelEntry> entries = TravelAccount(c.dataSet().db()).entries(*range);
    if (dbf)
        TravelDbfExport::write(entries, QDir(c.home().dbDir()).filePath(TravelDbfExport::kFileName));
    c.out() << "Datum;Text;KM;Betrag\n";
    for (const TravelEntry& e : entries)
        c.out() << GermanFormat::date(e.Datum) << ';' << e.Text << ';' << e.KM << ';'
                << GermanFormat::number(e.Betrag, 2) << '\n';
    c.out().flush();
    return 0;
}

int term(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw CliUsageError(QStringLiteral("LAUFZEIT erwartet eine ganze Zahl, nicht \"%1\".").arg(text));
    return value;
}

int newExpense(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 4, 4);
    Expense e;
    e.AUSDATUM = CliArgs::date(args.at(0));
    e.ATEXT = args.at(1);
    e.LAUFZEIT = term(args.at(2));
    e.BETRAG = CliArgs::amount(args.at(3));
    CliArgs::expectFits(Schema::get(QStringLiteral("Ausgaben")), {{QStringLiteral("ATEXT"), e.ATEXT}});
    if (!ExpenseBook(c.dataSet().db(), c.ui()).store(e))
        return 1;
    c.out() << "Ausgabe " << e.ID << " gespeichert." << Qt::endl;
    return 0;
}

int list(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    const auto year = ExpenseBook::yearOf(args.first());
    if (!year)
        throw CliUsageError(QStringLiteral("Erwartet wird das Jahr (JJJJ), nicht \"%1\".").arg(args.first()));
    c.out() << "ID;AUSDATUM;ATEXT;LAUFZEIT;BETRAG;RestLaufzeit;RestLStr;RestBetrag;AbschreibCalc;Gedruckt\n";
    for (const Expense& e : ExpenseBook(c.dataSet().db(), c.ui()).expenses(year)) {
        const Depreciation& d = e.depreciation;
        c.out() << e.ID << ';' << GermanFormat::date(e.AUSDATUM) << ';' << e.ATEXT << ';' << e.LAUFZEIT << ';'
                << GermanFormat::number(e.BETRAG, 2) << ';'
                << (d.RestLaufzeit ? GermanFormat::number(*d.RestLaufzeit, 1) : QString()) << ';'
                << d.RestLStr << ';' << amount(d.RestBetrag) << ';' << amount(d.AbschreibCalc) << ';'
                << (d.listed(e.LAUFZEIT) ? "J" : "N") << '\n';
    }
    c.out().flush();
    return 0;
}

int remove(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    bool ok = false;
    const qint64 id = args.first().toLongLong(&ok);
    if (!ok)
        throw CliUsageError(
            QStringLiteral("Erwartet wird die Nummer (ID) der Ausgabe, nicht \"%1\".").arg(args.first()));
    if (!ExpenseBook(c.dataSet().db(), c.ui()).remove(id)) {
        if (c.ui().lastQuestionDeclined())
            return c.notDone(CliCancelled::kNothingDeleted);
        c.err() << "Keine Ausgabe mit der Nummer " << id << '.' << Qt::endl;
        return 1;
    }
    c.out() << "Ausgabe " << id << " gelöscht." << Qt::endl;
    return 0;
}

int expense(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt der Unterbefehl (new, list, delete)."));
    const QString sub = args.first();
    if (sub == QStringLiteral("new"))
        return newExpense(c, args.mid(1));
    if (sub == QStringLiteral("list"))
        return list(c, args.mid(1));
    if (sub == QStringLiteral("delete"))
        return remove(c, args.mid(1));
    throw CliUsageError(QStringLiteral("Unbekannter Unterbefehl \"%1\".").arg(sub));
}

} // namespace

void ExpenseCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("travel"), QStringLiteral("--home VERZ travel VON BIS [--dbf]   (Daten TT.MM.JJJJ)"),
        true, travel));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("expense"),
        QStringLiteral("--home VERZ expense new DATUM TEXT LAUFZEIT BETRAG | list JAHR | delete ID"), true,
        expense));
}

} // namespace korbelant
