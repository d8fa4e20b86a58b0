#include "support/CliRun.h"

#include <QProcess>

namespace korbelant::test {

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(KORBELANT_CLI_PATH), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace korbelant::test
