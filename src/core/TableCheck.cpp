#include "core/TableCheck.h"

#include "core/DataModules.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/InstalledData.h"
#include "core/TableBuilder.h"
#include "core/TableUpgrade.h"

namespace korbelant {

void TableCheck::upgrade(DataSet& set)
{
    try {
        TableUpgrade(set.db()).UpgradeTables();
    } catch (const DatabaseError& e) {
        set.log().LogException(e.message(), true);
    }
}

std::optional<QString> TableCheck::missing(DataSet& set)
{
    try {
        DataModules::openAll(set);
    } catch (const DatabaseError& e) {
        return e.message();
    }
    return std::nullopt;
}

void TableCheck::repair(DataSet& set)
{
    try {
        TableBuilder(set.db()).RepairTables();
        // The installed tables cannot be rebuilt from definitions alone: bring back their contents too.
        InstalledData(set.db()).install();
    } catch (const DatabaseError& e) {
        set.log().LogException(e.message(), true);
    }
}

bool TableCheck::run(DataSet& set)
{
    upgrade(set);
    const auto failure = missing(set);
    if (!failure)
        return true;
    set.log().LogException(*failure, true);
    repair(set);
    return false;
}

} // namespace korbelant
