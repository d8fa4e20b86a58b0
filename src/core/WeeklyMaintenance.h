#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace korbelant {

class Database;
class DataHome;
class Options;
class UiPort;

// At most once in seven days at start-up: back the data set up into DBSicher/ (checked and kept as
// the day's backup, VerifiedBackup), then rebuild the tables and remove incomplete order records.
// The option Datum holds the day of the last run. A failed backup is logged and shown through the
// port when one is given.
class WeeklyMaintenance
{
public:
    using Step = std::function<void(const QString& text, int progress)>;

    WeeklyMaintenance(Database& db, const DataHome& home, Options& options, UiPort* ui = nullptr)
        : m_db(db), m_home(home), m_options(options), m_ui(ui)
    {
    }

    // Returns true when the backup and rebuild ran.
    bool run(const QDate& today, const Step& step = {});

private:
    Database& m_db;
    const DataHome& m_home;
    Options& m_options;
    UiPort* m_ui;
};

} // namespace korbelant
