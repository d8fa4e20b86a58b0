#include "customers/ui/TClientForm.h"

#include "core/GermanFormat.h"
#include "core/Options.h"
#include "core/UiPort.h"
#include "customers/CustomerDbfExport.h"
#include "customers/CustomerMail.h"
#include "customers/CustomerMerge.h"
#include "customers/GuestType.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TClientChoose.h"
#include "customers/ui/TClientGETR_NR.h"
#include "customers/ui/TClientNewForm.h"
#include "customers/ui/TSimpleFilterForm.h"
#include "widgets/DatabaseGuard.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

TClientForm::TClientForm(TClientDataModul& store, Options& options, QString exportDirectory, QWidget* parent)
    : QDialog(parent), m_store(store), m_options(options), m_exportDirectory(std::move(exportDirectory)),
      m_view(store.db())
{
    setObjectName(QStringLiteral("TClientForm"));
    setWindowTitle(QStringLiteral("Vorlix-Soft - ") + QGuiApplication::applicationDisplayName() +
                   QStringLiteral(" Kundenverwaltung"));
    m_editor = [this](TClientDataModul::Record& record, bool isNew, const QString& title) {
        // Previous and next in the dialog move through the customers of the grid.
        TClientNewForm::Navigator navigator = [this](const QString& current, int step) {
            return neighbour(current, step);
        };
        return TClientNewForm::edit(m_store, record, isNew, title, this,
                                    isNew ? TClientNewForm::Navigator{} : navigator);
    };
    m_openMail = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    auto* layout = new QVBoxLayout(this);
    buildToolBar(layout);
    buildNavigation(layout);
    buildInfo(layout);
    buildGrid(layout);
    installEventFilter(this);

    // Opening the window: no filter, sorted by name.
    m_view.clearFilter();
    applySortOrder(0);
    resize(900, 600);
}

std::optional<QString> TClientForm::neighbour(const QString& current, int step)
{
    const int row = m_grid->customers()->rowOf(current) + step;
    const CustomerRow* other = m_grid->customers()->rowAt(row);
    if (!other)
        return std::nullopt;
    m_grid->moveTo(row);
    return other->number;
}

// Previous and next, the sort order, the search, the two filter switches and the logo.
void TClientForm::buildNavigation(QVBoxLayout* layout)
{
    auto* navigation = new QHBoxLayout;
    auto* previous = new QPushButton(QStringLiteral("<"), this);
    auto* next = new QPushButton(QStringLiteral(">"), this);
    m_sortBox = new QComboBox(this);
    for (CustomerSort::Order order : CustomerSort::all())
        m_sortBox->addItem(CustomerSort::caption(order));
    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    m_lastFilterButton = new QPushButton(QStringLiteral("Filte&r"), this);
    m_markedFilterButton = new QPushButton(QStringLiteral("Dr&uckfilter"), this);
    m_markedFilterButton->setToolTip(QStringLiteral("Nur die markierten Kunden anzeigen"));
    for (QPushButton* b : {previous, next, search, m_lastFilterButton, m_markedFilterButton})
        b->setAutoDefault(false);
    navigation->addWidget(previous);
    navigation->addWidget(next);
    navigation->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), this));
    navigation->addWidget(m_sortBox);
    navigation->addWidget(search);
    navigation->addWidget(m_lastFilterButton);
    navigation->addWidget(m_markedFilterButton);
    navigation->addStretch();
    auto* logo = new QToolButton(this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setText(QStringLiteral("Vorlix-Soft"));
    navigation->addWidget(logo);
    layout->addLayout(navigation);

    connect(previous, &QPushButton::clicked, this, [this] { m_grid->step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { m_grid->step(1); });
    connect(search, &QPushButton::clicked, this, [this] {
        m_grid->search(QStringLiteral("Kunde suchen"));
        updateInfo();
    });
    connect(m_sortBox, &QComboBox::currentIndexChanged, this, &TClientForm::applySortOrder);
    connect(m_lastFilterButton, &QPushButton::clicked, this, [this] {
        m_view.toggleLastFilter();
        refresh(m_grid->currentNumber());
    });
    connect(m_markedFilterButton, &QPushButton::clicked, this, [this] {
        m_view.toggleMarkedFilter();
        refresh(m_grid->currentNumber());
    });
    connect(logo, &QToolButton::clicked, this, &TClientForm::showCounter);
}

// The fields of the current customer above the grid, and the panel that names the filter.
void TClientForm::buildInfo(QVBoxLayout* layout)
{
    auto* info = new QGridLayout;
    m_guestType = new QLabel(this);
    m_nextParty = new QLabel(this);
    m_followUp = new QLabel(this);
    m_matchCode = new QLabel(this);
    int column = 0;
    for (auto [caption, label] :
         {std::pair{"Gasttyp :", m_guestType}, std::pair{"Nächste Vorführung :", m_nextParty},
          std::pair{"Wiedervorlage :", m_followUp}, std::pair{"MCODE :", m_matchCode}}) {
        auto* title = new QLabel(QString::fromUtf8(caption), this);
        title->setObjectName(QString::fromUtf8(caption));
        info->addWidget(title, 0, column++);
        info->addWidget(label, 0, column++);
    }
    layout->addLayout(info);
    m_filterPanel = new QLabel(this);
    m_filterPanel->setObjectName(QStringLiteral("FilterPanel"));
    m_filterPanel->setFrameShape(QFrame::Panel);
    layout->addWidget(m_filterPanel);
}

void TClientForm::buildGrid(QVBoxLayout* layout)
{
    m_grid = new CustomerGrid({{QStringLiteral("K_NR"), QStringLiteral("K.-Nr.")},
                               {QStringLiteral("NAME"), QStringLiteral("Name")},
                               {QStringLiteral("VORNAME"), QStringLiteral("Vorname")},
                               {QStringLiteral("STRASSE"), QStringLiteral("Straße")},
                               {QStringLiteral("PLZ"), QStringLiteral("Plz")},
                               {QStringLiteral("ORT"), QStringLiteral("Ort")},
                               {QStringLiteral("TELEFON"), QStringLiteral("Telefon-Nr.")},
                               {QStringLiteral("E-MAIL"), QStringLiteral("E-Mail")}},
                              this);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);

    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        CustomerSort::Order order{};
        if (CustomerSort::forColumn(m_grid->customers()->fieldOf(section), order))
            m_sortBox->setCurrentIndex(static_cast<int>(CustomerSort::all().indexOf(order)));
    });
    connect(m_grid, &QTableView::doubleClicked, this, &TClientForm::editCustomer);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TClientForm::updateInfo);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &TClientForm::showContextMenu);
}

void TClientForm::showContextMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Neu"), this, &TClientForm::newCustomer);
    menu.addAction(QStringLiteral("Bearbeiten"), this, &TClientForm::editCustomer);
    menu.addAction(QStringLiteral("Löschen"), this, &TClientForm::deleteCustomer);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Markieren"), this, [this] { setMark(2); });
    menu.addAction(QStringLiteral("Zurücksetzen"), this, [this] { setMark(0); });
    menu.addAction(QStringLiteral("Alle zurücksetzen"), this, &TClientForm::resetAllMarks);
    menu.addSeparator();
    menu.addAction(QStringLiteral("E-Mail"), this, &TClientForm::singleMail);
    menu.exec(m_grid->viewport()->mapToGlobal(at));
}

void TClientForm::buildToolBar(QVBoxLayout* layout)
{
    auto* bar = new QToolBar(this);
    auto add = [&](const QString& text, const QString& tip, auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setToolTip(tip);
        m_actions << a;
        return a;
    };
    add(QStringLiteral("&Verlassen"), QStringLiteral("Kundenverwaltung verlassen"), &QDialog::close);
    add(QStringLiteral("&Neu"), QStringLiteral("Neuer Kunde anlegen"), &TClientForm::newCustomer);
    add(QStringLiteral("&Bearbeiten"), QStringLiteral("Kunden bearbeiten"), &TClientForm::editCustomer);
    add(QStringLiteral("&Löschen"), QStringLiteral("Kunde löschen"), &TClientForm::deleteCustomer);
    add(QStringLiteral("Vere&inen"), QStringLiteral("Zwei Kunden zusammenführen"),
        &TClientForm::mergeCustomers);
    add(QStringLiteral("&Filter"), QStringLiteral("Filterkriterien einstellen"),
        &TClientForm::openFilterDialog);
    add(QStringLiteral("&Teilnehmer"), QStringLiteral("Teilnehmer einer Vorführung heraussuchen"),
        &TClientForm::participants);
    add(QStringLiteral("&Export"), QStringLiteral("Daten für andere Programme bereitstellen"),
        &TClientForm::exportCustomers);
    add(QStringLiteral("&Drucken"), QString(), [this] {
        if (m_print)
            m_print(m_view, m_grid->currentNumber());
    })->setEnabled(false);
    add(QStringLiteral("Serien-&Mail"), QString(), &TClientForm::serialMail);
    layout->addWidget(bar);
}

void TClientForm::setPrintHandler(PrintHandler handler)
{
    m_print = std::move(handler);
    action(QStringLiteral("&Drucken"))->setEnabled(static_cast<bool>(m_print));
}

QAction* TClientForm::action(const QString& text) const
{
    for (QAction* a : m_actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QLabel* TClientForm::infoLabel(const QString& name) const
{
    if (name == QStringLiteral("Gasttyp"))
        return m_guestType;
    if (name == QStringLiteral("Nächste Vorführung"))
        return m_nextParty;
    if (name == QStringLiteral("Wiedervorlage"))
        return m_followUp;
    return m_matchCode;
}

void TClientForm::applySortOrder(int index)
{
    const CustomerSort::Order order = CustomerSort::all().value(index, CustomerSort::Order::Name);
    m_view.setSortOrder(order);
    m_grid->setSortOrder(order);
    // The info panel shows the field in red when the grid has no column for it.
    const QString red = QStringLiteral("color: red;");
    m_nextParty->setStyleSheet(order == CustomerSort::Order::NextParty ? red : QString());
    m_followUp->setStyleSheet(order == CustomerSort::Order::FollowUp ? red : QString());
    m_matchCode->setStyleSheet(order == CustomerSort::Order::MatchCode ? red : QString());
    refresh(); // the first customer of the new order
}

void TClientForm::refresh(const QString& keepNumber)
{
    m_grid->setRows(m_view.rows(), keepNumber);
    updateFilterState();
    updateInfo();
}

void TClientForm::updateInfo()
{
    const CustomerRow* r = m_grid->current();
    m_guestType->setText(r ? GuestType::word(r->guestType) : QString());
    QString next = r && r->nextParty.isValid() ? GermanFormat::date(r->nextParty) : QString();
    if (r && r->nextPartyTime.isValid())
        next += QLatin1Char(' ') + r->nextPartyTime.toString(QStringLiteral("HH:mm"));
    m_nextParty->setText(next);
    m_followUp->setText(r && r->followUp.isValid() ? GermanFormat::date(r->followUp) : QString());
    m_matchCode->setText(r ? r->matchCode : QString());
}

void TClientForm::updateFilterState()
{
    const QString panel = m_view.panelText();
    m_filterPanel->setText(panel);
    m_filterPanel->setVisible(!panel.isEmpty());
    action(QStringLiteral("&Filter"))->setEnabled(m_view.filterDialogEnabled());
    action(QStringLiteral("&Teilnehmer"))->setEnabled(m_view.filterDialogEnabled());
    m_markedFilterButton->setEnabled(m_view.markedFilterEnabled());
    m_lastFilterButton->setEnabled(m_view.lastFilterEnabled());
}

bool TClientForm::edit(TClientDataModul::Record& record, bool isNew, const QString& title)
{
    return m_editor && m_editor(record, isNew, title);
}

void TClientForm::newCustomer()
{
    const CustomerSort::Order previous = m_view.sortOrder();
    bool opened = false;
    // The new customer is entered with the filter off, so that the grid shows her afterwards.
    const CustomerEditor unfiltered = [this, &opened](TClientDataModul::Record& record, bool isNew,
                                                      const QString& title) {
        opened = true;
        m_view.clearFilter();
        return edit(record, isNew, title);
    };
    const std::optional<QString> number = TClientNewForm::createNew(m_store, unfiltered, kNewTitle);
    if (!opened)
        return; // the store could not prepare her
    m_view.setSortOrder(previous);
    refresh(number.value_or(m_grid->currentNumber()));
}

void TClientForm::editCustomer()
{
    const QString number = m_grid->currentNumber();
    auto record = number.isEmpty() ? std::nullopt : m_store.load(number);
    if (!record)
        return;
    edit(*record, false, TClientNewForm::kDefaultTitle);
    refresh(m_grid->currentNumber()); // moving in the dialog may have stored other customers
}

void TClientForm::deleteCustomer()
{
    const QString number = m_grid->currentNumber();
    if (number.isEmpty() ||
        m_store.ui().question(kDeleteQuestion, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return;
    const int row = m_grid->currentIndex().row();
    if (!m_store.deleteCustomer(number))
        return;
    m_view.refreshRemarksMatches();
    refresh();
    m_grid->moveTo(row);
    updateInfo();
}

void TClientForm::mergeCustomers()
{
    const QString first = m_grid->currentNumber();
    if (first.isEmpty())
        return;
    const auto second =
        TClientChoose::choose(m_store, m_editor, CustomerMerge::pickerTitle(first), false, this);
    if (!second)
        return;
    CustomerMerge(m_store).Vereinen(first, second->number);
    refresh(first);
}

TSimpleFilterForm* TClientForm::filterDialog()
{
    if (!m_filterDialog)
        m_filterDialog = new TSimpleFilterForm(m_store, this);
    return m_filterDialog;
}

void TClientForm::openFilterDialog()
{
    if (filterDialog()->exec() == QDialog::Accepted)
        applyFilterDialog();
}

void TClientForm::applyFilterDialog()
{
    m_view.applyFilterDialog(filterDialog()->filter(), m_store.ui());
    refresh();
}

void TClientForm::participants()
{
    TClientGETR_NR prompt(m_store.db(), m_store.ui(), QStringLiteral("Teilnehmer der Vorführung"), true,
                          this);
    if (prompt.exec() != QDialog::Accepted)
        return;
    m_view.applyParticipants(prompt.typedNumber());
    refresh();
}

void TClientForm::exportCustomers()
{
    guardDatabase(m_store.ui(), [this] {
        CustomerDbfExport(m_store.db()).Export(m_view, m_exportDirectory, m_store.ui());
    });
}

void TClientForm::serialMail()
{
    if (const auto url = CustomerMail::serial(m_store.db(), m_view, m_options, m_store.ui()))
        m_openMail(*url);
}

void TClientForm::singleMail()
{
    const CustomerRow* r = m_grid->current();
    if (!r)
        return;
    if (const auto url = CustomerMail::single(r->email, m_store.ui()))
        m_openMail(*url);
}

void TClientForm::setMark(int mark)
{
    const QString number = m_grid->currentNumber();
    if (number.isEmpty())
        return;
    m_store.setPlanningMark(number, mark);
    refresh(number);
}

void TClientForm::resetAllMarks()
{
    if (m_view.resetAllMarks(m_store.ui()))
        refresh(m_grid->currentNumber());
}

void TClientForm::showCounter()
{
    // The "Datenbankzähler": a small window beside the logo; a click on it or leaving it hides it.
    if (!m_counter) {
        m_counter = new QFrame(this, Qt::Popup);
        m_counter->setObjectName(QStringLiteral("TClientInfoForm"));
        m_counter->setWindowTitle(QStringLiteral("Datenbankzähler"));
        m_counter->setFrameShape(QFrame::Box);
        auto* layout = new QVBoxLayout(m_counter);
        layout->addWidget(new QLabel(QStringLiteral("Datenbankzähler"), m_counter));
        auto* count = new QLabel(m_counter);
        count->setObjectName(QStringLiteral("Count"));
        layout->addWidget(count);
        m_counter->installEventFilter(this);
    }
    m_counter->findChild<QLabel*>(QStringLiteral("Count"))
        ->setText(QStringLiteral("%1 Kunden").arg(m_store.customerCount()));
    if (auto* logo = findChild<QToolButton*>(QStringLiteral("Logo")))
        m_counter->move(logo->mapToGlobal(QPoint(0, logo->height())));
    m_counter->show();
}

bool TClientForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_counter && event->type() == QEvent::MouseButtonPress) {
        m_counter->hide();
        return true;
    }
    if (watched == this && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild(); // Enter moves to the next control
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TClientForm::closeEvent(QCloseEvent* event)
{
    // Leaving the window switches the filter off and discards the filter dialog.
    m_view.clearFilter();
    delete m_filterDialog;
    QDialog::closeEvent(event);
}

} // namespace korbelant
