#include "cli/BackupCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliCancelled.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/FunctionCommand.h"
#include "core/BackupRestore.h"
#include "core/GermanFormat.h"
#include "core/KeptBackups.h"
#include "core/VerifiedBackup.h"

#include <QElapsedTimer>

namespace korbelant {

namespace {

// "24.12.2025  12,3 MB  /…/DBSicher/2025-12-24", one line a kept backup, newest first.
void printList(CliContext& c, const std::vector<KeptBackup>& backups)
{
    for (const KeptBackup& backup : backups)
        c.out() << GermanFormat::date(backup.day) << "  "
                << GermanFormat::number(static_cast<double>(backup.bytes) / (1024.0 * 1024.0), 1) << " MB  "
                << backup.textDirectory << Qt::endl;
}

int backup(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const bool list = args.removeAll(QStringLiteral("--list")) > 0;
    CliArgs::expectCount(args, 0, 0);
    if (list) {
        printList(c, KeptBackups(c.home()).list());
        return 0;
    }
    DataSet& set = c.dataSet();
    QElapsedTimer timer;
    timer.start();
    const auto kept = VerifiedBackup(set.db(), set.home()).make(QDate::currentDate(), &c.ui());
    if (!kept)
        return 1;
    c.out() << "Datensicherung in " << kept->textDirectory << " erstellt und geprüft (" << timer.elapsed()
            << " ms)." << Qt::endl;
    return 0;
}

int restore(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 0, 1);
    const KeptBackups kept(c.home());
    const std::vector<KeptBackup> backups = kept.list();
    printList(c, backups);
    std::optional<KeptBackup> chosen;
    if (!args.isEmpty())
        chosen = kept.find(args.at(0));
    else if (!backups.empty())
        chosen = backups.front();
    if (!chosen)
        throw CliRefusal(args.isEmpty() ? QStringLiteral("Es gibt keine Datensicherung.")
                                        : QStringLiteral("Die Sicherung %1 gibt es nicht.").arg(args.at(0)));
    QElapsedTimer timer;
    timer.start();
    switch (BackupRestore(c.dataSet(), c.ui()).restore(*chosen)) {
    case BackupRestore::Outcome::Restored:
        c.out() << "Sicherung vom " << GermanFormat::date(chosen->day) << " zurückgespielt ("
                << timer.elapsed() << " ms)." << Qt::endl;
        return 0;
    case BackupRestore::Outcome::Cancelled:
        throw CliCancelled();
    case BackupRestore::Outcome::Failed:
        break;
    }
    return 1;
}

} // namespace

void BackupCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("backup"),
                                              QStringLiteral("--home VERZ backup [--list]"), true, backup));
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("restore"), QStringLiteral("--home VERZ [--answers …] restore [DATUM|DATEI]"), true,
        restore));
}

} // namespace korbelant
