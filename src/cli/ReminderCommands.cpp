#include "cli/ReminderCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/DataSet.h"
#include "customers/DueReminders.h"
#include "week/InfoSummary.h"

namespace korbelant {

namespace {

void printList(CliContext& c, const char* heading, const DueReminders::List& list)
{
    c.out() << heading << '\n';
    for (const DueReminders::Customer& k : list)
        c.out() << k.kNr << ';' << k.name << ';' << k.vorname << ';'
                << k.date.toString(QStringLiteral("dd.MM.yyyy")) << '\n';
}

int reminders(CliContext& c, const QStringList& args)
{
    QStringList rest = args;
    const std::optional<QString> day =
        CliArgs::takeOption(rest, QStringLiteral("--today"), QStringLiteral("Nach --today fehlt das Datum."));
    CliArgs::expectCount(rest, 0, 0);
    const QDate today = day ? CliArgs::date(*day) : QDate::currentDate();
    DataSet& set = c.dataSet();
    const DueReminders due(set.db());
    printList(c, "Wiedervorlagen:", due.followUps(today));
    printList(c, "Geburtstage:", due.birthdays(today));
    printList(c, "Vorführungen:", due.parties(today));
    c.out() << "Fenster beim Start: " << (due.openAtStart(set.options(), today) ? "ja" : "nein") << Qt::endl;
    return 0;
}

int info(CliContext& c, const QStringList& args)
{
    QStringList rest = args;
    const std::optional<QString> moment =
        CliArgs::takeOption(rest, QStringLiteral("--now"), QStringLiteral("Nach --now fehlt der Zeitpunkt."));
    CliArgs::expectCount(rest, 0, 0);
    QDateTime now = QDateTime::currentDateTime();
    if (moment) {
        now = QDateTime::fromString(moment->trimmed(), QStringLiteral("dd.MM.yyyy HH:mm"));
        if (!now.isValid())
            throw CliUsageError(
                QStringLiteral("\"%1\" ist kein Zeitpunkt der Form TT.MM.JJJJ HH:MM.").arg(*moment));
    }
    DataSet& set = c.dataSet();
    for (const QString& line : InfoSummary::compute(set.db(), set.options(), set.home(), now).lines())
        c.out() << line << '\n';
    c.out().flush();
    return 0;
}

} // namespace

void ReminderCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("reminders"),
                                              QStringLiteral("--home VERZ reminders [--today TT.MM.JJJJ]"),
                                              true, reminders));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("info"), QStringLiteral("--home VERZ info [--now \"TT.MM.JJJJ HH:MM\"]"), true, info));
}

} // namespace korbelant
