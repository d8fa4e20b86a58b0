#pragma once

#include <QString>
#include <optional>

namespace korbelant {

class DataSet;

// The check of the tables that every start makes: older tables get the columns of later versions,
// then every data module's tables must be there with all their fields. When one is missing or
// lacks a field the tables are rebuilt and the installed tables filled again.
class TableCheck
{
public:
    // Adds what later versions introduced; a failure is written to the error log.
    static void upgrade(DataSet& set);
    // nullopt when every table is there; otherwise the message of the first that is not.
    static std::optional<QString> missing(DataSet& set);
    // Rebuilds the tables and the installed data after a failed check; failures are logged.
    static void repair(DataSet& set);
    // All three: upgrade, check and, when the check fails, repair. False when it had to repair.
    static bool run(DataSet& set);
};

} // namespace korbelant
