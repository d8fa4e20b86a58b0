#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace korbelant {

class DataSet;
class Database;

// The long-lived data modules of the program, opened once at start-up in a fixed order. Opening a
// module first checks that its tables are there with every field the program expects, so that a
// missing or damaged table is found at start-up and not in the middle of the work.
class DataModules
{
public:
    struct Module
    {
        QString name;
        QStringList tables;
        std::function<void(DataSet&)> open; // the module's own start-up work, may be empty
    };

    // In start-up order: data takeover, customers, parties, weeks, articles, expenses and trips,
    // distributor exchange. A module that comes with its subsystem adds its work here.
    static const std::vector<Module>& startupOrder();

    // Opens every module in order; throws DatabaseError naming the first table that is missing
    // or lacks a field.
    static void openAll(DataSet& dataSet);
    static void requireTable(Database& db, const QString& table);
};

} // namespace korbelant
