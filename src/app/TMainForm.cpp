#include "app/TMainForm.h"

#include "app/LogoPicture.h"
#include "app/TOptionsForm.h"
#include "app/TWeekOverviewChart.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/TArtikelImportInfo.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "core/DataSet.h"
#include "core/HelpDocument.h"
#include "core/MainWindowState.h"
#include "core/ProgramRunner.h"
#include "core/UiPort.h"
#include "core/ui/TIndexForm.h"
#include "core/ui/TResetForm.h"
#include "core/ui/TRestoreForm.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientForm.h"
#include "customers/ui/TFormatChooser.h"
#include "euro/ui/TEuroForm.h"
#include "euro/ui/TEuroRechner.h"
#include "expenses/ui/TRAbrechForm.h"
#include "expenses/ui/TSonstAusgabenForm.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/TNewGuestForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "planning/ui/TVorPlaForm.h"
#include "reports/ui/ReportPrinter.h"
#include "statistics/ui/TSatistikForm.h"
#include "takeover/DosTakeOver.h"
#include "takeover/KalmoTakeOver.h"
#include "takeover/OrvelaTakeOver.h"
#include "takeover/QuarnelTakeOver.h"
#include "takeover/TakeOverKinds.h"
#include "takeover/ui/TDatenImport.h"
#include "week/WeekOverview.h"
#include "week/ui/TWeekRForm.h"
#include "widgets/NotAvailable.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace korbelant {

namespace {

const QString kGroupProgram = QStringLiteral("Zirkel60.exe");

bool openWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

TMainForm::TMainForm(DataSet& dataSet, MainWindowState& state, UiPort& ui, const QString& overviewStartKey,
                     const QDate& today, QWidget* parent)
    : QMainWindow(parent), m_dataSet(dataSet), m_state(state), m_ui(ui), m_startKey(overviewStartKey),
      m_today(today), m_chart(new TWeekOverviewChart(this)), m_options(new TOptionsForm(dataSet, ui, this)),
      m_startTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("MainForm"));
    m_hooks.openDocument = openWithDesktop;
    setCentralWidget(m_chart);
    statusBar()->setObjectName(QStringLiteral("StatusLine"));
    buildMenu();
    buildToolBar();
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(500);
    connect(m_startTimer, &QTimer::timeout, this, &TMainForm::startTimerFired);
    m_options->setToday(today);
    connect(m_options, &TOptionsForm::groupNumberChanged, this,
            [this](const QString& groupNumber) { m_state.setGroupNumber(groupNumber); });
    connect(m_options, &TOptionsForm::consultantLabelChanged, this,
            [this](const QString& label) { m_state.setConsultantLabel(label); });
    qApp->installEventFilter(this);
    updateCaption();
}

void TMainForm::setHooks(Hooks hooks)
{
    if (hooks.followUpCheck)
        m_hooks.followUpCheck = std::move(hooks.followUpCheck);
    if (hooks.informationWindow)
        m_hooks.informationWindow = std::move(hooks.informationWindow);
    if (hooks.appointmentWindow)
        m_hooks.appointmentWindow = std::move(hooks.appointmentWindow);
    if (hooks.openDocument)
        m_hooks.openDocument = std::move(hooks.openDocument);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
}

QAction* TMainForm::addMenuEntry(QMenu* menu, const QString& text, const QString& hint,
                                 void (TMainForm::*handler)())
{
    QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TMainForm::buildMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    addMenuEntry(edit, QStringLiteral("&Kunden"), QStringLiteral("Kundenverwaltung starten."),
                 &TMainForm::openCustomerWindow);
    addMenuEntry(edit, QStringLiteral("&Artikel"), QStringLiteral("Artikelverwaltung starten."),
                 &TMainForm::openArticleWindow);
    addMenuEntry(edit, QStringLiteral("V&orführungen"), QStringLiteral("Vorführungsverwaltung starten."),
                 &TMainForm::openPartyWindow);
    addMenuEntry(edit, QStringLiteral("&Wochenabschluß"), QStringLiteral("Wochenverwaltung starten."),
                 &TMainForm::openWeekWindow);
    addMenuEntry(edit, QStringLiteral("&Termininfofenster zeigen"), QString(), &TMainForm::showAppointments);
    edit->addSeparator();
    addMenuEntry(edit, QStringLiteral("&Verlassen"), QStringLiteral("Korbelantverwaltung verlassen."),
                 &TMainForm::leave);

    addMenuEntry(nullptr, QStringLiteral("&Reiseabrechnung"), QString(), &TMainForm::openTravelAccount);
    addMenuEntry(nullptr, QStringLiteral("Aus&gaben"), QString(), &TMainForm::openExpenseWindow);

    QMenu* services = menuBar()->addMenu(QStringLiteral("&Dienste"));
    addMenuEntry(services, QStringLiteral("Daten&übernahme von Korbelant (DOS)"), QString(),
                 &TMainForm::openDosTakeOver);
    addMenuEntry(services, QStringLiteral("Datenübernahme von KALMOR (DOS)"), QString(),
                 &TMainForm::openKalmoTakeOver);
    addMenuEntry(services, QStringLiteral("Datenübernahme von Orvela(Win)"), QString(),
                 &TMainForm::openOrvelaTakeOver);
    addMenuEntry(services, QStringLiteral("Datenübernahme von Quarnel(Win)"), QString(),
                 &TMainForm::openQuarnelTakeOver);
    services->addSeparator();
    addMenuEntry(services, QStringLiteral("Daten &löschen/zurücksetzen"), QString(),
                 &TMainForm::openResetData);
    addMenuEntry(services, QStringLiteral("Index &wiederherstellen"), QString(), &TMainForm::openIndexRepair);
    addMenuEntry(services, QStringLiteral("Daten&sicherung zurückspielen"), QString(),
                 &TMainForm::openRestore);
    services->addSeparator();
    addMenuEntry(services, QStringLiteral("Euroum&rechner für Einzelbeträge"), QString(),
                 &TMainForm::openEuroCalculator);
    addMenuEntry(services, QStringLiteral("Datenbestand in &Euro umrechnen"),
                 QStringLiteral("Euroverwaltung starten."), &TMainForm::openEuroWindow);
    services->addSeparator();
    addMenuEntry(services, QStringLiteral("&Drucker"), QString(), &TMainForm::openPrinterSetup);

    addMenuEntry(nullptr, QStringLiteral("Optionen"), QString(), &TMainForm::openOptions);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* helpFile = addMenuEntry(help, QStringLiteral("Hilfedatei (PDF)"),
                                     QStringLiteral("Hilfe zum Programm."), &TMainForm::OpenHelp);
    // F1 itself is caught for every window by the event filter; the menu only shows the key.
    helpFile->setShortcut(QKeySequence(Qt::Key_F1));
    helpFile->setShortcutContext(Qt::WidgetShortcut);
    addMenuEntry(help, QStringLiteral("Inf&o..."), QString(), &TMainForm::showInfoBox);
}

QToolButton* TMainForm::addToolButton(const QString& text, const QString& hint, void (TMainForm::*handler)())
{
    // A tool button of its own keeps the access key of its caption.
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setStatusTip(hint);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TMainForm::buildToolBar()
{
    QToolBar* tools = addToolBar(QStringLiteral("Werkzeuge"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    tools->addWidget(addToolButton(QStringLiteral("  &Kunden "), QStringLiteral("Kundenverwaltung starten."),
                                   &TMainForm::openCustomerWindow));
    tools->addWidget(addToolButton(QStringLiteral("  &Artikel  "),
                                   QStringLiteral("Artikelverwaltung starten."),
                                   &TMainForm::openArticleWindow));
    tools->addWidget(addToolButton(QStringLiteral("Vor&planung"),
                                   QStringLiteral("Vorplanungsverwaltung starten"),
                                   &TMainForm::openPlanningWindow));
    tools->addWidget(addToolButton(QStringLiteral("&Vorführung"),
                                   QStringLiteral("Vorführungsverwaltung starten."),
                                   &TMainForm::openPartyWindow));
    tools->addWidget(addToolButton(QStringLiteral("&Woche"), QStringLiteral("Wochenverwaltung starten."),
                                   &TMainForm::openWeekWindow));
    tools->addWidget(addToolButton(QStringLiteral("&Statistik"),
                                   QStringLiteral("Statistische Auswertung starten"),
                                   &TMainForm::openStatisticsWindow));
    QAction* euro = tools->addWidget(addToolButton(
        QStringLiteral("&Euro"), QStringLiteral("Euroverwaltung starten."), &TMainForm::openEuroWindow));
    euro->setVisible(false);
    tools->addWidget(
        addToolButton(QStringLiteral("&Hilfe"), QStringLiteral("Hilfe zum Programm."), &TMainForm::OpenHelp));
    m_zirkel = addToolButton(QStringLiteral("Zirkel"), QString(), &TMainForm::runGroupProgram);
    m_zirkelAction = tools->addWidget(m_zirkel);
    m_zirkelAction->setVisible(false);
    tools->addSeparator();
    tools->addWidget(addToolButton(QStringLiteral("Verlass&en"),
                                   QStringLiteral("Korbelantverwaltung verlassen."), &TMainForm::leave));
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        firstShow();
    }
}

void TMainForm::firstShow()
{
    m_zirkelAction->setVisible(!groupProgramPath().isEmpty());
    m_startTimer->start();
    refreshOverview();
    updateCaption();
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    updateCaption();
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_infoShown &&
        m_dataSet.options().checked(QStringLiteral("Info"))) {
        m_infoShown = true;
        // The information window of the appointments comes with the customer windows.
        if (m_hooks.informationWindow)
            QTimer::singleShot(0, this, [this] { m_hooks.informationWindow(); });
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            OpenHelp();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::updateCaption()
{
    setWindowTitle(m_state.caption());
}

void TMainForm::refreshOverview()
{
    m_chart->setBars(WeekOverview(m_dataSet.db()).readUntil(m_startKey, m_today, m_dataSet.log()));
}

void TMainForm::runWorkWindow(const std::function<void()>& window)
{
    m_chart->hide();
    window();
    m_chart->show();
}

QString TMainForm::groupProgramPath() const
{
    return ProgramRunner::findInDirectory(m_dataSet.options().text(QStringLiteral("ZKPfad")), kGroupProgram);
}

bool TMainForm::groupProgramVisible() const
{
    return m_zirkelAction->isVisible();
}

void TMainForm::OpenHelp()
{
    HelpDocument(m_dataSet.home(), m_ui, m_hooks.openDocument).OpenHelp();
}

void TMainForm::leave()
{
    close();
}

void TMainForm::notYetAvailable()
{
    m_ui.information(NotAvailable::kText);
}

void TMainForm::openCustomerWindow()
{
    runWorkWindow([this] {
        TClientDataModul store(m_dataSet.db(), m_ui);
        TClientForm form(store, m_dataSet.options(), m_dataSet.home().dbDir(), this);
        form.setPrintHandler([this](const CustomerView& view, const QString& current) {
            if (!ReportPrinter::CheckPrinter(m_ui))
                return;
            // The chooser lives for the whole run and keeps its selection.
            if (!m_reportChooser)
                m_reportChooser = std::make_unique<TFormatChooser>(m_dataSet.db(), m_ui, this);
            QStringList customers;
            for (const CustomerRow& row : view.rows())
                customers << row.number;
            m_reportChooser->run(customers, current);
        });
        form.exec();
    });
}

void TMainForm::openArticleWindow()
{
    runWorkWindow([this] {
        TArtikelModul modul(m_dataSet, m_ui);
        TArtikelVerwaltForm form(modul, m_ui, m_state.applicationTitle(), this);
        form.setImporter([this](QWidget* articleWindow) {
            TArtikelImportInfo::run(m_dataSet, m_ui, m_state.applicationTitle(), articleWindow, this);
        });
        form.exec();
    });
}

void TMainForm::openPartyWindow()
{
    runWorkWindow([this] {
        TClientDataModul customers(m_dataSet.db(), m_ui);
        TArtikelModul articles(m_dataSet, m_ui);
        TVorFuerModul parties(m_dataSet.db(), m_dataSet.options(), m_ui, customers, articles);
        const auto guestWindow = [&, this](const QString& rNr, const QString& pNr) {
            return TNewGuestForm::run(parties, articles, customers, m_dataSet.options(), m_ui, rNr, pNr,
                                      this);
        };
        // The day the window opens, not the day the program started: it may run past midnight.
        TVorFuerForm form(m_dataSet, parties, customers, m_ui, guestWindow, QDate::currentDate(), this);
        form.exec();
    });
    refreshOverview();
}

void TMainForm::openPlanningWindow()
{
    runWorkWindow([this] { TVorPlaForm::run(m_dataSet, m_ui, m_state.applicationTitle(), this); });
    refreshOverview();
}

void TMainForm::openWeekWindow()
{
    runWorkWindow([this] { TWeekRForm::run(m_dataSet, m_ui, m_state.applicationTitle(), this); });
    refreshOverview();
}

void TMainForm::openStatisticsWindow()
{
    runWorkWindow([this] {
        TSatistikForm form(m_dataSet, m_ui, m_state.applicationTitle(), this);
        form.exec();
    });
}

void TMainForm::openTravelAccount()
{
    TRAbrechForm form(m_dataSet, m_ui, this);
    form.exec();
}

void TMainForm::openExpenseWindow()
{
    runWorkWindow([this] {
        TSonstAusgabenForm form(m_dataSet, m_ui, this);
        form.exec();
    });
}

void TMainForm::openTakeOver(const QString& kindKey)
{
    const std::unique_ptr<TakeOverKind> kind = TakeOverKinds::make(kindKey);
    if (!kind) {
        notYetAvailable();
        return;
    }
    runWorkWindow([&, this] { TDatenImport::run(m_dataSet, m_ui, *kind, this); });
    refreshOverview();
}

void TMainForm::openDosTakeOver()
{
    openTakeOver(DosTakeOver::kKey);
}

void TMainForm::openKalmoTakeOver()
{
    openTakeOver(KalmoTakeOver::kKey);
}

void TMainForm::openOrvelaTakeOver()
{
    openTakeOver(OrvelaTakeOver::kKey);
}

void TMainForm::openQuarnelTakeOver()
{
    openTakeOver(QuarnelTakeOver::kKey);
}

void TMainForm::openResetData()
{
    runWorkWindow([this] { TResetForm::run(m_dataSet, m_ui, this); });
}

void TMainForm::openRestore()
{
    bool ends = false;
    runWorkWindow([&, this] { ends = TRestoreForm::run(m_dataSet, m_ui, this); });
    // The options and the currency are read at the start: the program starts anew on the restored set.
    if (ends)
        close();
}

void TMainForm::openIndexRepair()
{
    TIndexForm::run(m_dataSet, m_ui, this);
}

void TMainForm::openEuroWindow()
{
    bool ends = false;
    runWorkWindow([&, this] { ends = TEuroForm::run(m_dataSet, m_ui, this); });
    // After a conversion, or a failed one put right, the program starts anew.
    if (ends)
        close();
}

void TMainForm::openEuroCalculator()
{
    TEuroRechner::showFor(m_ui, this);
}

void TMainForm::openOptions()
{
    runWorkWindow([this] { m_options->execute(); });
}

void TMainForm::openPrinterSetup()
{
    ReportPrinter::showPrinterSetup(m_ui, this);
}

void TMainForm::showInfoBox()
{
    m_ui.showInfo(QStringLiteral("Info"), LogoPicture::draw(64),
                  m_state.infoText(m_dataSet.db(), m_dataSet.options()));
}

void TMainForm::runGroupProgram()
{
    const QString path = groupProgramPath();
    if (!ProgramRunner(m_ui).RunProgram(
            path.isEmpty() ? m_dataSet.options().text(QStringLiteral("ZKPfad")) + kGroupProgram : path))
        QApplication::beep();
}

void TMainForm::showAppointments()
{
    if (m_hooks.appointmentWindow)
        m_hooks.appointmentWindow();
    else
        notYetAvailable();
}

void TMainForm::startTimerFired()
{
    // The follow-up check of the appointments decides here whether its window appears.
    if (m_hooks.followUpCheck)
        m_hooks.followUpCheck();
}

} // namespace korbelant
