#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace korbelant {

class Database;
class DataHome;
class ErrorLog;
class Options;

// At most once in seven days at start-up: back the data set up into DBSicher/, then rebuild the
// tables and remove incomplete order records. The option Datum holds the day of the last run.
class WeeklyMaintenance
{
public:
    using Step = std::function<void(const QString& text, int progress)>;

    WeeklyMaintenance(Database& db, const DataHome& home, Options& options, const ErrorLog& log)
        : m_db(db), m_home(home), m_options(options), m_log(log)
    {
    }

    // Returns true when the backup and rebuild ran.
    bool run(const QDate& today, const Step& step = {});

private:
    Database& m_db;
    const DataHome& m_home;
    Options& m_options;
    const ErrorLog& m_log;
};

} // namespace korbelant
