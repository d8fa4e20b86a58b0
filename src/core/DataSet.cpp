#include "core/DataSet.h"

#include "core/DatabaseError.h"

#include <QFileInfo>

namespace korbelant {

DataSet::DataSet(DataHome home, std::unique_ptr<Database> db)
    : m_home(std::move(home)), m_db(std::move(db)), m_options(m_home.optionsFile()),
      m_log(m_home.errorLogFile())
{
}

std::unique_ptr<DataSet> DataSet::open(const DataHome& home)
{
    if (!QFileInfo::exists(home.databaseFile()))
        throw DatabaseError(QStringLiteral("Im Verzeichnis %1 gibt es keinen Datenbestand. Legen Sie ihn mit "
                                           "\"korbelant-cli --home %1 init\" an.")
                                .arg(home.root()));
    std::unique_ptr<DataSet> set(
        new DataSet(home, Database::open(home.databaseFile(), Database::Mode::OpenExisting)));
    if (!set->m_options.LoadOptions())
        throw DatabaseError(
            QStringLiteral("Die Optionsdatei %1 kann nicht gelesen werden.").arg(home.optionsFile()));
    return set;
}

bool DataSet::firstStart() const
{
    return m_options.checked(QStringLiteral("FirstTime")) || QFileInfo::exists(m_home.firstTimeFile());
}

} // namespace korbelant
