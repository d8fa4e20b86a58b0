#include "core/Startup.h"

#include "core/CurrencyRecord.h"
#include "core/CurrencyState.h"
#include "core/DataModules.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/DistanceRebuild.h"
#include "core/ErrorLog.h"
#include "core/GermanFormat.h"
#include "core/HelpDocument.h"
#include "core/Installation.h"
#include "core/Options.h"
#include "core/StarPlan.h"
#include "core/TableBuilder.h"
#include "core/TableCheck.h"
#include "core/UiPort.h"
#include "core/WeeklyMaintenance.h"

#include <QFile>
#include <QFileInfo>

namespace korbelant {

Startup::Startup(DataHome home, UiPort& ui, Environment environment)
    : m_home(std::move(home)), m_ui(ui), m_env(std::move(environment))
{
}

Startup::~Startup() = default;

void Startup::step(const QString& text, int progress)
{
    if (m_env.step)
        m_env.step(text, progress);
}

void Startup::logAndShow(const QString& message)
{
    ErrorLog(m_home.errorLogFile()).LogException(message, false, &m_ui);
}

Startup::Outcome Startup::run()
{
    step(QStringLiteral("Hauptformular"), 4);
    checkScreen();
    if (!openDataSet() || !checkPrinters())
        return Outcome::Ended;
    loadOptions();
    if (m_firstStart)
        createTablesOnFirstStart();
    upgradeTables();
    if (!openDataModules()) {
        repairAfterFailure();
        return Outcome::Ended;
    }
    runWeeklyMaintenance();
    step(QStringLiteral("Kundeverwaltung"), 40);
    return Outcome::Ready;
}

void Startup::checkScreen()
{
    if (m_env.screenWidth && m_env.screenWidth() < 800)
        m_ui.information(kNarrowScreen);
}

bool Startup::openDataSet()
{
    try {
        // A new data home is laid out as an installation does; its first start follows.
        if (!QFileInfo::exists(m_home.databaseFile()))
            Installation::init(m_home);
        m_dataSet = DataSet::open(m_home);
    } catch (const DatabaseError& e) {
        m_ui.error(e.message());
        return false;
    }
    m_firstStart = m_dataSet->firstStart();
    // A data home of an earlier program lacks the help document, or has an older one.
    if (!HelpDocument::install(m_home))
        m_dataSet->log().LogException(
            QStringLiteral("Die Hilfedatei %1 kann nicht angelegt werden.").arg(m_home.helpFile()), true);
    return true;
}

bool Startup::checkPrinters()
{
    switch (m_env.printers ? m_env.printers() : Printers::Installed) {
    case Printers::Installed:
        return true;
    case Printers::NoneInstalled:
        m_ui.warning(kNoPrinter);
        return true;
    case Printers::ListUnreadable:
        m_ui.warning(kNoPrinterList);
        return false;
    }
    return true;
}

void Startup::loadOptions()
{
    step(QStringLiteral("Optionen"), 6);
    Options& options = m_dataSet->options();
    options.LoadOptions();
    options.setChecked(QStringLiteral("GGAdress"), true);
    // A conversion the program did not see to its end is taken from the data set itself.
    CurrencyRecord::restoreStatusFile(m_dataSet->db(), m_home);
    CurrencyState::determine(m_home, options, m_ui, m_firstStart, m_env.today);
    m_state.applyOptions(options);
}

void Startup::createTablesOnFirstStart()
{
    step(QStringLiteral("Datenbanken werden erstellt."), 10);
    Options& options = m_dataSet->options();
    options.setChecked(QStringLiteral("Geburtstage"), true);
    options.SaveOptions();
    try {
        TableBuilder(m_dataSet->db()).RepairTables();
    } catch (const DatabaseError& e) {
        // A table that stays broken is found when the data modules open.
        logAndShow(e.message());
    }
}

void Startup::upgradeTables()
{
    TableCheck::upgrade(*m_dataSet);
}

bool Startup::openDataModules()
{
    step(QStringLiteral("Datenbanken"), 15);
    try {
        readStarPlan();
        DataModules::openAll(*m_dataSet);
        m_version = VersionRecord::read(m_dataSet->db());
    } catch (const DatabaseError& e) {
        m_dataSet->log().LogException(e.message(), true);
        return false;
    }
    return true;
}

void Startup::readStarPlan()
{
    const StarPlan::Singles singles = StarPlan(m_dataSet->db()).singles();
    Options& options = m_dataSet->options();
    options.setText(QStringLiteral("OneVerabred"), singles.oneAppointment);
    options.setText(QStringLiteral("TwoVerabred"), singles.twoAppointments);
    options.setText(QStringLiteral("SInt"), singles.intervalAmount);
    options.setText(QStringLiteral("SIntS"), singles.intervalStars);
    m_starIntervalAmount = GermanFormat::parseAmount(singles.intervalAmount).value_or(0);
    m_starIntervalStars = static_cast<int>(GermanFormat::parseAmount(singles.intervalStars).value_or(0));
}

void Startup::repairAfterFailure()
{
    TableCheck::repair(*m_dataSet);
    m_ui.error(kDatabaseFailure);
}

void Startup::runWeeklyMaintenance()
{
    try {
        WeeklyMaintenance(m_dataSet->db(), m_home, m_dataSet->options(), &m_ui)
            .run(m_env.today, [this](const QString& text, int progress) { step(text, progress); });
    } catch (const DatabaseError& e) {
        logAndShow(e.message());
    }
}

void Startup::prepareMainWindow()
{
    if (m_prepared)
        return;
    m_prepared = true;
    m_state.applyVersion(m_version);
    if (m_firstStart)
        finishFirstStart();
    m_state.readCaptionSuffix(m_dataSet->db(), m_dataSet->options());
}

void Startup::finishFirstStart()
{
    DistanceRebuild(m_dataSet->db(), m_dataSet->log()).RebuildDistances();
    Options& options = m_dataSet->options();
    options.setChecked(QStringLiteral("Info"), true);
    options.setChecked(QStringLiteral("FirstTime"), false);
    options.SaveOptions();
    QFile::remove(m_home.firstTimeFile());
}

} // namespace korbelant
