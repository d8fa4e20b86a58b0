#pragma once

#include "cli/CliCommand.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

namespace korbelant {

// korbelant-cli: [--home DIR] [--answers A,B,…] COMMAND [ARGS…]
class CliApp
{
public:
    CliApp();
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    void add(std::unique_ptr<CliCommand> command);

private:
    CliCommand* find(const QString& name) const;
    void printUsage(QTextStream& stream) const;

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};

} // namespace korbelant
