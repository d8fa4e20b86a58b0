#include "app/DesktopStart.h"
#include "app/TLoadForm.h"
#include "app/TMainForm.h"
#include "core/Startup.h"
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

bool mainFormShown()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TMainForm*>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

// Answers every message box of the start with OK and ends the program once the main window is
// up, noting each box and the load window's title on the way.
class StartWatcher
{
public:
    StartWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(20);
    }

    std::vector<SeenMessage> messages;
    QString loadTitle;

private:
    void look()
    {
        if (TLoadForm* load = visibleLoadForm())
            loadTitle = load->findChild<QLabel*>(QStringLiteral("LoadTitle"))->text();
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            TLoadForm* load = visibleLoadForm();
            messages.push_back({box->text(), load && box->parentWidget() == load,
                                box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
            box->accept();
            return;
        }
        if (mainFormShown()) {
            m_timer.stop();
            QApplication::quit();
        }
    }

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
