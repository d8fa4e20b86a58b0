#include "support/TestSupport.h"

#include "core/Installation.h"

#include <QProcess>

namespace korbelant::test {

TempHome::TempHome(bool initialise) : m_home(m_dir.path())
{
    if (initialise)
        Installation::init(m_home);
}

std::unique_ptr<Database> TempHome::openDb() const
{
    return Database::open(m_home.databaseFile(), Database::Mode::OpenExisting);
}

#ifdef KORBELANT_CLI_PATH
CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(KORBELANT_CLI_PATH), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
#endif

} // namespace korbelant::test
