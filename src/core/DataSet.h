#pragma once

#include "core/DataHome.h"
#include "core/Database.h"
#include "core/ErrorLog.h"
#include "core/Options.h"

#include <memory>

namespace korbelant {

// An opened data home: the database connection MainDB, the options and the error log.
class DataSet
{
public:
    // Opens the data set of an existing data home; throws DatabaseError with a German message
    // when there is none or it cannot be opened.
    static std::unique_ptr<DataSet> open(const DataHome& home);

    const DataHome& home() const { return m_home; }
    Database& db() { return *m_db; }
    Options& options() { return m_options; }
    const ErrorLog& log() const { return m_log; }
    bool firstStart() const;

private:
    DataSet(DataHome home, std::unique_ptr<Database> db);

    DataHome m_home;
    std::unique_ptr<Database> m_db;
    Options m_options;
    ErrorLog m_log;
};

} // namespace korbelant
