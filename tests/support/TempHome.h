#pragma once

#include "core/DataHome.h"
#include "core/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace korbelant::test {

// A fresh data home in a temporary directory, laid out as "korbelant-cli init" does: the
// installed tables, the data tables and the three fixed customers. Removed with the object.
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

} // namespace korbelant::test
