#pragma once

#include "cli/CliCommand.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

namespace korbelant {

class CliContext;

// korbelant-cli: [--home DIR] [--answers A,B,…] COMMAND [ARGS…]. Exit codes: 0 done, 1 failed or
// refused, 2 wrong arguments, 3 cancelled at a question (nothing changed). "help COMMAND" and
// "COMMAND --help" print the command's usage.
class CliApp
{
public:
    CliApp();
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    void add(std::unique_ptr<CliCommand> command);

private:
    CliCommand* find(const QString& name) const;
    void printUsage(QTextStream& stream) const;
    int help(const QStringList& args, QTextStream& out, QTextStream& err) const;
    static void printCommandUsage(const CliCommand& command, QTextStream& stream);
    static int runCommand(CliCommand& command, CliContext& context, const QStringList& args);

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};

} // namespace korbelant
