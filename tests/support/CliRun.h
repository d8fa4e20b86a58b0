#pragma once

#include <QString>
#include <QStringList>

namespace korbelant::test {

// What a run of korbelant-cli left: exit code (-1 when it crashed or hung), stdout and stderr.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the korbelant-cli of this build with the arguments and waits for it.
CliRun runCli(const QStringList& args);
// The korbelant-cli of this build, for tests that start it themselves.
QString cliProgram();

} // namespace korbelant::test
