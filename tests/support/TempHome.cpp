#include "support/TempHome.h"

#include "core/Installation.h"

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

} // namespace korbelant::test
