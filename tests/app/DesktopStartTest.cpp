#include "app/DesktopStart.h"
#include "app/TLoadForm.h"
#include "app/TMainForm.h"
#include "core/DataSet.h"
#include "core/Startup.h"
#include "customers/ui/TVWFORM.h"
#include "support/CustomerBuilder.h"
#include "support/TempHome.h"
#include "widgets/DialogUi.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

// What a message box of the start-up looked like when it came up.
struct SeenMessage
{
    QString text;
    bool ownedByLoadWindow = false;
    bool staysOnTop = false;
};

TLoadForm* visibleLoadForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TLoadForm*>(widget); form && form->isVisible())
            return form;
    }
    return nullptr;
}

TMainForm* shownMainForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TMainForm*>(widget); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// Answers every message box of the start with OK and ends the program once the main window is
// up, noting each box and the load window's title on the way, and closing other windows. Told to,
// it fires the main window's start timer itself instead of waiting for it, noting the appointment
// window that follows.
class StartWatcher
{
public:
    enum class StartTimer
    {
        Waited,
        Driven
    };

    explicit StartWatcher(StartTimer startTimer = StartTimer::Waited) : m_startTimer(startTimer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(20);
    }

    std::vector<SeenMessage> messages;
    QString loadTitle;
    QStringList windowsAfterStartTimer;

private:
    void look()
    {
        if (TLoadForm* load = visibleLoadForm())
            loadTitle = load->findChild<QLabel*>(QStringLiteral("LoadTitle"))->text();
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            TLoadForm* load = visibleLoadForm();
            messages.push_back({box->text(), load && box->parentWidget() == load,
                                box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
            box->accept();
            return;
        }
        TMainForm* mainForm = shownMainForm();
        if (!mainForm)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            // The information window of the first activation comes too; only the appointments
            // count here.
            if (m_fired && dialog->windowTitle() == TVWFORM::kCaption)
                windowsAfterStartTimer << dialog->windowTitle();
            dialog->accept();
            return;
        }
        if (m_startTimer == StartTimer::Driven && !m_fired) {
            m_fired = true;
            QTimer* startTimer = mainForm->followUpTimer();
            startTimer->stop();
            QMetaObject::invokeMethod(startTimer, "timeout", Qt::QueuedConnection);
            return;
        }
        m_timer.stop();
        QApplication::quit();
    }

    StartTimer m_startTimer;
    bool m_fired = false;
    QTimer m_timer;
};

} // namespace

TEST(DesktopStartTest, StartMessagesStandInFrontOfTheLoadWindow)
{
    test::TempHome temp;
    DialogUi ui;
    DesktopStart start(temp.home(), ui);
    start.setPrinterCheck([] { return Startup::Printers::NoneInstalled; });
    StartWatcher watcher;
    EXPECT_EQ(start.exec(), 0);

    EXPECT_EQ(watcher.loadTitle, "Korbelant (6.4a) wird geladen.");
    const auto printer =
        std::find_if(watcher.messages.begin(), watcher.messages.end(),
                     [](const SeenMessage& seen) { return seen.text == Startup::kNoPrinter; });
    ASSERT_NE(printer, watcher.messages.end());
    for (const SeenMessage& seen : watcher.messages) {
        EXPECT_TRUE(seen.ownedByLoadWindow) << seen.text.toStdString();
        EXPECT_TRUE(seen.staysOnTop) << seen.text.toStdString();
    }
}

TEST(DesktopStartTest, TheStartTimerShowsTheAppointmentWindowOnlyWhenSomethingIsDue)
{
    for (const bool due : {false, true}) {
        test::TempHome temp;
        if (due) {
            auto set = DataSet::open(temp.home());
            test::CustomerBuilder::addDated(set->db(), "900001", "WiederVorlage", QDate::currentDate());
        }
        DialogUi ui;
        DesktopStart start(temp.home(), ui);
        start.setPrinterCheck([] { return Startup::Printers::Installed; });
        StartWatcher watcher(StartWatcher::StartTimer::Driven);
        EXPECT_EQ(start.exec(), 0);
        EXPECT_EQ(watcher.windowsAfterStartTimer, due ? QStringList{TVWFORM::kCaption} : QStringList{})
            << (due ? "a follow-up due today" : "nothing due");
    }
}
