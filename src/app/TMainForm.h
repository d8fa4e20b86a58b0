#pragma once

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>

class QToolButton;
class QTimer;

namespace korbelant {

class DataSet;
class MainWindowState;
class TFormatChooser;
class TOptionsForm;
class TWeekOverviewChart;
class UiPort;

// The main window: a maximised frame with the menu, the tool bar and the week overview chart.
// Every work area opens from here as a modal window in front of it; while one is open the chart
// is hidden. F1 in any window of the program opens the help document.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // Work that other parts of the program hang onto the main window.
    struct Hooks
    {
        std::function<void()> followUpCheck;     // half a second after the window is shown
        std::function<void()> informationWindow; // first activation while the option Info is set
        std::function<void()> appointmentWindow; // "&Termininfofenster zeigen"
        std::function<bool(const QString& path)> openDocument; // the desktop's document opener
    };

    TMainForm(DataSet& dataSet, MainWindowState& state, UiPort& ui, const QString& overviewStartKey,
              const QDate& today = QDate::currentDate(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // A hook left empty keeps what it was (the desktop's document opener by default).
    void setHooks(Hooks hooks);

    // Reads the week overview again (after the party window closed).
    void refreshOverview();
    // Runs a modal work window with the chart hidden meanwhile.
    void runWorkWindow(const std::function<void()>& window);
    void OpenHelp();
    void updateCaption();

    TWeekOverviewChart* overviewChart() const { return m_chart; }
    QToolButton* groupProgramButton() const { return m_zirkel; }
    TOptionsForm* optionsForm() const { return m_options; }
    bool groupProgramVisible() const;
    // Half a second after the window is first shown it runs the follow-up check, once.
    QTimer* followUpTimer() const { return m_startTimer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* addMenuEntry(QMenu* menu, const QString& text, const QString& hint,
                          void (TMainForm::*handler)());
    QToolButton* addToolButton(const QString& text, const QString& hint, void (TMainForm::*handler)());
    void buildMenu();
    void buildToolBar();
    void firstShow();
    QString groupProgramPath() const;

    void leave();
    void notYetAvailable();
    void openCustomerWindow();
    void openArticleWindow();
    void openPartyWindow();
    void openPlanningWindow();
    void openWeekWindow();
    void openStatisticsWindow();
    void openTravelAccount();
    void openExpenseWindow();
    // The takeover window of a kind of takeover (TakeOverKinds).
    void openTakeOver(const QString& kindKey);
    void openDosTakeOver();
    void openKalmoTakeOver();
    void openOrvelaTakeOver();
    void openQuarnelTakeOver();
    void openResetData();
    void openIndexRepair();
    void openRestore();
    void openEuroWindow();
    void openEuroCalculator();
    void openOptions();
    void openPrinterSetup();
    void showInfoBox();
    void runGroupProgram();
    void startTimerFired();
    void showAppointments();

    DataSet& m_dataSet;
    MainWindowState& m_state;
    UiPort& m_ui;
    QString m_startKey;
    QDate m_today;
    Hooks m_hooks;
    TWeekOverviewChart* m_chart;
    TOptionsForm* m_options;
    QToolButton* m_zirkel = nullptr;
    QAction* m_zirkelAction = nullptr;
    QTimer* m_startTimer;
    std::unique_ptr<TFormatChooser> m_reportChooser;
    bool m_shownOnce = false;
    bool m_infoShown = false;
};

} // namespace korbelant
