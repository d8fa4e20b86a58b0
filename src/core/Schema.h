#pragma once

#include "core/TableDef.h"

#include <vector>

namespace korbelant {

// Every persistent table of the data set, defined once: the fourteen tables the program creates
// (in their creation order), the two work tables with their own definitions, and the seven tables
// of the installed data set.
class Schema
{
public:
    static const std::vector<TableDef>& createdTables();
    static const std::vector<TableDef>& workTables(); // Reise with its key, LagerTemp
    static const std::vector<TableDef>& installedTables();
    // Any table by name (case-insensitive): created tables first, then installed, then work tables.
    static const TableDef* table(const QString& name);
    static const TableDef& get(const QString& name); // throws std::logic_error when unknown
};

} // namespace korbelant
