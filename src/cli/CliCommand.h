#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

class CliContext;

// A command of korbelant-cli. run() returns the exit code; failures are reported in German on
// stderr. A command that finds its arguments wrong throws CliUsageError.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString usage() const = 0; // one line, e.g. "week-key DATUM"
    virtual bool needsHome() const { return true; }
    virtual int run(CliContext& context, const QStringList& args) = 0;
};

} // namespace korbelant
