#pragma once

#include "core/DataHome.h"
#include "core/Database.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace korbelant::test {

// A fresh data home in a temporary directory, laid out as "korbelant-cli init" does.
class TempHome
{
public:
    explicit TempHome(bool initialise = true);
    const DataHome& home() const { return m_home; }
    QString root() const { return m_dir.path(); }
    std::unique_ptr<Database> openDb() const;

private:
    QTemporaryDir m_dir;
    DataHome m_home;
};

// Runs korbelant-cli with the arguments; collects exit code, stdout and stderr.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};
CliRun runCli(const QStringList& args);

} // namespace korbelant::test
