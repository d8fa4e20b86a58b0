#include "app/DesktopStart.h"

#include "app/TInfoForm.h"
#include "app/TLoadForm.h"
#include "app/TMainForm.h"
#include "core/DataSet.h"
#include "core/ErrorLog.h"
#include "core/Startup.h"
#include "core/UnhandledError.h"
#include "customers/ui/TVWFORM.h"
#include "week/WeekOverview.h"
#include "widgets/DialogUi.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QScreen>

namespace korbelant {

namespace {

Startup::Printers installedPrinters()
{
    return QPrinterInfo::availablePrinterNames().isEmpty() ? Startup::Printers::NoneInstalled
                                                           : Startup::Printers::Installed;
}

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

int DesktopStart::exec()
{
    try {
        return run();
    } catch (...) {
        // Errors before the event loop runs do not pass the application object.
        UnhandledError::report(std::current_exception(), ErrorLog(m_home.errorLogFile()), &m_ui);
        return 1;
    }
}

int DesktopStart::run()
{
    MainWindowState title;
    auto loadForm = std::make_unique<TLoadForm>(MainWindowState::kProgramName + title.applicationTitle());
    loadForm->show();
    // Until the main window exists, messages belong to the load window, so they stand in front of it.
    m_ui.setParentWidget(loadForm.get());
    Startup::Environment environment;
    environment.step = [&loadForm](const QString& text, int progress) { loadForm->setStep(text, progress); };
    environment.screenWidth = screenWidth;
    environment.printers = m_printers ? m_printers : installedPrinters;
    Startup startup(m_home, m_ui, environment);
    if (startup.run() == Startup::Outcome::Ended)
        return 1;
    startup.prepareMainWindow();
    QDir::setCurrent(m_home.root());
    TMainForm mainForm(startup.dataSet(), startup.state(), m_ui, WeekOverview::startKey(startup.today()),
                       startup.today());
    loadForm.reset();
    // Without a window manager "maximised" alone leaves the window at its smallest size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainForm.setGeometry(screen->availableGeometry());
    m_ui.setParentWidget(&mainForm);
    m_ui.setOptions(&startup.dataSet().options());
    // The appointment window is made once, by the check half a second after start, and kept for
    // the menu; the information window is shown once and discarded.
    std::unique_ptr<TVWFORM> appointments;
    const auto appointmentWindow = [&]() -> TVWFORM& {
        if (!appointments)
            appointments = std::make_unique<TVWFORM>(startup.dataSet(), m_ui, &mainForm);
        return *appointments;
    };
    TMainForm::Hooks hooks;
    hooks.followUpCheck = [&] { appointmentWindow().CheckDueReminders(); };
    hooks.appointmentWindow = [&] { appointmentWindow().showFor(); };
    hooks.informationWindow = [&] {
        TInfoForm info(startup.dataSet(), QDateTime::currentDateTime(), &mainForm);
        info.exec();
    };
    mainForm.setHooks(hooks);
    mainForm.showMaximized();
    const int exitCode = QApplication::exec();
    m_ui.setOptions(nullptr);
    m_ui.setParentWidget(nullptr);
    return exitCode;
}

} // namespace korbelant
