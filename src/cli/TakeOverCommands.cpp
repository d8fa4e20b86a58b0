#include "cli/TakeOverCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverKind.h"
#include "takeover/TakeOverKinds.h"
#include "takeover/TakeOverRun.h"

namespace korbelant {

namespace {

// Which rows run: all, or the one --nur names.
std::vector<bool> checkedRows(const TakeOverKind& kind, const std::optional<QString>& only)
{
    const std::vector<TakeOverRow> rows = kind.rows();
    std::vector<bool> checked(rows.size(), !only.has_value());
    if (!only)
        return checked;
    QStringList keys;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        keys << rows.at(i).key;
        if (rows.at(i).key.compare(*only, Qt::CaseInsensitive) == 0)
            checked[i] = true;
    }
    if (std::find(checked.begin(), checked.end(), true) == checked.end())
        throw CliUsageError(
            QStringLiteral("--nur erwartet %1, nicht \"%2\".").arg(keys.join(QLatin1Char('|')), *only));
    return checked;
}

QString count(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

int takeover(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const auto source = CliArgs::takeOption(args, QStringLiteral("--source"),
                                            QStringLiteral("--source erwartet ein Verzeichnis."));
    const auto only =
        CliArgs::takeOption(args, QStringLiteral("--nur"), QStringLiteral("--nur erwartet eine Zeile."));
    CliArgs::expectCount(args, 1, 1);
    const std::unique_ptr<TakeOverKind> kind = TakeOverKinds::make(args.first());
    if (!kind)
        throw CliUsageError(QStringLiteral("Unbekannte Datenübernahme \"%1\"; möglich: %2.")
                                .arg(args.first(), TakeOverKinds::keys().join(QLatin1Char('|'))));
    const std::vector<bool> checked = checkedRows(*kind, only);
    TakeOverDisplay quiet;
    TakeOverRun run(c.dataSet(), c.ui(), *kind, quiet);
    const TakeOverRun::Outcome outcome =
        run.start(source.value_or(kind->initialSource(c.dataSet().options())), checked);
    if (outcome == TakeOverRun::Outcome::InvalidSource || outcome == TakeOverRun::Outcome::NoBackup)
        return 1;
    const std::vector<TakeOverRow> rows = kind->rows();
    c.out() << "Zeile;Status;" << kind->sourceCaption() << ';' << kind->targetCaption() << '\n';
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TakeOverRun::RowState& state = run.rowStates().at(i);
        c.out() << rows.at(i).name << ';' << (checked.at(i) ? state.status : QStringLiteral("nicht gewählt"))
                << ';' << count(state.source) << ';' << count(state.target) << '\n';
    }
    c.out().flush();
    return outcome == TakeOverRun::Outcome::Finished ? 0 : 1;
}

} // namespace

void TakeOverCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("takeover"),
        QStringLiteral("--home VERZ takeover %1 [--source VERZ] [--nur ZEILE]")
            .arg(TakeOverKinds::keys().join(QLatin1Char('|'))),
        true, takeover));
}

} // namespace korbelant
