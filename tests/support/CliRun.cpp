#include "support/CliRun.h"

#include <QProcess>

namespace korbelant::test {

QString cliProgram()
{
    return QStringLiteral(KORBELANT_CLI_PATH);
}

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(cliProgram(), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace korbelant::test
