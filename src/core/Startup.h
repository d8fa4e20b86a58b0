#pragma once

#include "core/DataHome.h"
#include "core/MainWindowState.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace korbelant {

class DataSet;
class UiPort;

// The start of the program, step by step: environment checks, the data set (laid out when the
// data home is new), options and currency, table creation on the first start, upgrades, the data
// modules, the weekly maintenance; then, when the main window is first shown, its title, the
// end of the first start and the caption. Everything the user sees goes through the UI port and
// the step callback of the load window, so the sequence runs without windows as well.
class Startup
{
public:
    enum class Printers
    {
        Installed,
        NoneInstalled,
        ListUnreadable
    };
    enum class Outcome
    {
        Ready,
        Ended
    };

    struct Environment
    {
        std::function<void(const QString& text, int progress)> step; // the load window
        std::function<int()> screenWidth;
        std::function<Printers()> printers;
        QDate today = QDate::currentDate();
    };

    static inline const QString kNarrowScreen =
        QStringLiteral("Um optimal mit der Korbelant-Verwaltung arbeiten zu können, sollten Sie eine "
                       "Bildschirmauflösung von mindestens "
                       "800x600 einstellen.");
    static inline const QString kNoPrinter =
        QStringLiteral("Sie haben keinen Drucker installiert, die Berichte funktionieren nur wenn Sie einen "
                       "Drucker installieren. "
                       "(Siehe Hilfe, FAQ´s)");
    static inline const QString kNoPrinterList =
        QStringLiteral("Sie haben keinen Drucker installiert, um das Programm zu benützen müßen sie einen "
                       "Drucker anlegen. (Wenn Sie "
                       "keinen besitzen, wählen sie einen beliebigen).");
    static inline const QString kDatabaseFailure =
        QStringLiteral("Datenbankfehler, die Datenbanken werden wiederhergestellt. Starten Sie erneut");

    Startup(DataHome home, UiPort& ui, Environment environment);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Runs everything up to showing the main window. Ended: the program is to end (the user has
    // been told why).
    Outcome run();
    // The work done once as the main window is shown: title from the version record, the end of
    // the first start, the caption suffix from the consultant's own record.
    void prepareMainWindow();

    const DataHome& home() const { return m_home; }
    DataSet& dataSet() { return *m_dataSet; }
    MainWindowState& state() { return m_state; }
    bool firstStart() const { return m_firstStart; }
    const QDate& today() const { return m_env.today; }
    // The star plan's interval amount and stars, kept as numbers for the star computation.
    double starIntervalAmount() const { return m_starIntervalAmount; }
    int starIntervalStars() const { return m_starIntervalStars; }

private:
    void step(const QString& text, int progress);
    void checkScreen();
    bool openDataSet();
    bool checkPrinters();
    void loadOptions();
    void createTablesOnFirstStart();
    void upgradeTables();
    bool openDataModules();
    void repairAfterFailure();
    void runWeeklyMaintenance();
    void readStarPlan();
    void finishFirstStart();
    void logAndShow(const QString& message);

    DataHome m_home;
    UiPort& m_ui;
    Environment m_env;
    std::unique_ptr<DataSet> m_dataSet;
    MainWindowState m_state;
    VersionRecord m_version;
    bool m_firstStart = false;
    bool m_prepared = false;
    double m_starIntervalAmount = 0;
    int m_starIntervalStars = 0;
};

} // namespace korbelant
