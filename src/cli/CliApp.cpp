#include "cli/CliApp.h"

#include "cli/ArticleCommands.h"
#include "cli/BackOrderCommands.h"
#include "cli/BackupCommands.h"
#include "cli/BenchDataCommands.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/CoreCommands.h"
#include "cli/CustomerCommands.h"
#include "cli/EuroCommands.h"
#include "cli/ExchangeCommands.h"
#include "cli/ExpenseCommands.h"
#include "cli/OdbcCommands.h"
#include "cli/PartyCommands.h"
#include "cli/PlanCommands.h"
#include "cli/ReminderCommands.h"
#include "cli/ReportCommands.h"
#include "cli/StatisticsCommands.h"
#include "cli/TakeOverCommands.h"
#include "cli/TwdCommands.h"
#include "cli/WeekCommands.h"
#include "core/DatabaseError.h"
#include "core/SystemErrorText.h"

#include <system_error>

namespace korbelant {

CliApp::CliApp()
{
    CoreCommands::registerAll(*this);
    BackupCommands::registerAll(*this);
    ReportCommands::registerAll(*this);
    CustomerCommands::registerAll(*this);
    ArticleCommands::registerAll(*this);
    PartyCommands::registerAll(*this);
    BackOrderCommands::registerAll(*this);
    PlanCommands::registerAll(*this);
    WeekCommands::registerAll(*this);
    BenchDataCommands::registerAll(*this);
    TwdCommands::registerAll(*this);
    EuroCommands::registerAll(*this);
    ReminderCommands::registerAll(*this);
    StatisticsCommands::registerAll(*this);
    ExpenseCommands::registerAll(*this);
    ExchangeCommands::registerAll(*this);
    OdbcCommands::registerAll(*this);
    TakeOverCommands::registerAll(*this);
}

void CliApp::add(std::unique_ptr<CliCommand> command)
{
    m_commands.push_back(std::move(command));
}

CliCommand* CliApp::find(const QString& name) const
{
    for (const auto& command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

void CliApp::printUsage(QTextStream& stream) const
{
    stream
        << "Aufruf: korbelant-cli [--home VERZEICHNIS] [--answers ja,nein,ok,abbrechen,wiederholen] BEFEHL …"
        << Qt::endl;
    stream << "Befehle (\"help BEFEHL\" oder \"BEFEHL --help\" zeigt den Aufruf eines Befehls):" << Qt::endl;
    for (const auto& command : m_commands)
        stream << "  " << command->usage() << Qt::endl;
    stream << "Rückgabewert: 0 erledigt, 1 Fehler oder abgelehnte Angabe, 2 falscher Aufruf, "
              "3 bei einer Frage abgebrochen (nichts geändert)."
           << Qt::endl;
}

int CliApp::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString home;
    QList<UiPort::Answer> answers;
    QStringList texts;
    QStringList rest = arguments;
    if (!rest.isEmpty() &&
        (rest.first() == QStringLiteral("--help") || rest.first() == QStringLiteral("-h"))) {
        printUsage(out);
        return 0;
    }
    while (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))) {
        const QString option = rest.takeFirst();
        if (rest.isEmpty()) {
            err << "Die Angabe zu " << option << " fehlt." << Qt::endl;
            return 2;
        }
        const QString value = rest.takeFirst();
        if (option == QStringLiteral("--home")) {
            home = value;
        } else if (option == QStringLiteral("--answers")) {
            const auto parsed = ScriptedUi::parseScript(value);
            if (!parsed) {
                err << "Unbekannte Antwort in --answers: " << value << Qt::endl;
                return 2;
            }
            answers = parsed->answers;
            texts = parsed->texts;
        } else {
            err << "Unbekannte Option " << option << Qt::endl;
            printUsage(err);
            return 2;
        }
    }
    if (rest.isEmpty()) {
        printUsage(err);
        return 2;
    }
    if (rest.first() == QStringLiteral("help"))
        return help(rest.mid(1), out, err);
    CliCommand* command = find(rest.first());
    if (!command) {
        err << "Unbekannter Befehl: " << rest.first() << Qt::endl;
        printUsage(err);
        return 2;
    }
    rest.removeFirst();
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        printCommandUsage(*command, out);
        return 0;
    }
    CliContext context(DataHome::resolve(home), answers, out, err);
    for (const QString& text : texts)
        context.ui().addText(text);
    return runCommand(*command, context, rest);
}

int CliApp::help(const QStringList& args, QTextStream& out, QTextStream& err) const
{
    if (args.isEmpty()) {
        printUsage(out);
        return 0;
    }
    const CliCommand* command = find(args.first());
    if (!command) {
        err << "Unbekannter Befehl: " << args.first() << Qt::endl;
        printUsage(err);
        return 2;
    }
    printCommandUsage(*command, out);
    return 0;
}

void CliApp::printCommandUsage(const CliCommand& command, QTextStream& stream)
{
    stream << "Aufruf: korbelant-cli " << command.usage() << Qt::endl;
}

int CliApp::runCommand(CliCommand& command, CliContext& context, const QStringList& args)
{
    QTextStream& err = context.err();
    try {
        const int code = command.run(context, args);
        if (code != 0 && context.ui().lastQuestionDeclined())
            throw CliCancelled();
        return code;
    } catch (const CliCancelled& e) {
        err << e.message() << Qt::endl;
        return 3;
    } catch (const CliRefusal& e) {
        err << e.message() << Qt::endl;
        return 1;
    } catch (const CliUsageError& e) {
        err << e.message() << Qt::endl;
        printCommandUsage(command, err);
        return 2;
    } catch (const DatabaseError& e) {
        err << e.message() << Qt::endl;
        return 1;
    } catch (const std::system_error& e) {
        err << SystemErrorText::fromErrno(e.code().value()) << Qt::endl;
        return 1;
    } catch (const std::exception& e) {
        err << "Unerwarteter Fehler: " << QString::fromLocal8Bit(e.what()) << Qt::endl;
        return 1;
    }
}

} // namespace korbelant
