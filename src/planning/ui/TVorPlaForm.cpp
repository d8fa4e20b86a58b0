#include "planning/ui/TVorPlaForm.h"

#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/ProgramRunner.h"
#include "core/UiPort.h"
#include "customers/GuestType.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TClientNewForm.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/TR_NRChooser.h"
#include "planning/PlanAddressListReport.h"
#include "planning/PlanExport.h"
#include "planning/PlanPartyCreation.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"
#include "widgets/DatabaseGuard.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using Order = CustomerSort::Order;

QString shownDate(const QDate& d)
{
    return d.isValid() ? GermanFormat::date(d) : QString();
}

// The choice "Sortierung nach :" of this window, in the order of the customer table's orders.
QString sortCaption(Order order)
{
    return order == Order::TownStreet ? QStringLiteral("Ort + Strasse") : CustomerSort::caption(order);
}

// The grid column whose title turns red for the sort order; empty when the grid has none.
QString sortColumn(Order order)
{
    switch (order) {
    case Order::Name:
        return QStringLiteral("NAME");
    case Order::Number:
        return QStringLiteral("K_NR");
    case Order::Postcode:
    case Order::TownStreet:
        return QStringLiteral("ADRESSE");
    case Order::NextParty:
        return QStringLiteral("N_DATUM");
    case Order::LastParty:
        return QStringLiteral("L_DATUM");
    default:
        return QString();
    }
}

std::vector<CustomerTableModel::Column> gridColumns()
{
    return {{QStringLiteral("K_NR"), QStringLiteral("Kunden-Nr.")},
            {QStringLiteral("NAME"), QStringLiteral("Name"),
             [](const CustomerRow& r) { return (r.firstName + QLatin1Char(' ') + r.name).trimmed(); }},
            {QStringLiteral("ADRESSE"), QStringLiteral("Adresse"),
             [](const CustomerRow& r) {
                 return QStringLiteral("%1 %2, %3").arg(r.postcode, r.town, r.street).trimmed();
             }},
            {QStringLiteral("L_DATUM"), QStringLiteral("Letzte Vorf."),
             [](const CustomerRow& r) { return shownDate(r.lastParty); }},
            {QStringLiteral("N_DATUM"), QStringLiteral("nä. Vorführung"),
             [](const CustomerRow& r) { return shownDate(r.nextParty); }},
            {QStringLiteral("N_ZEIT"), QStringLiteral("Zeit"),
             [](const CustomerRow& r) {
                 return r.nextPartyTime.isValid() ? r.nextPartyTime.toString(QStringLiteral("HH:mm"))
                                                  : QString();
             }},
            {QStringLiteral("V_ANZAHL"), QStringLiteral("Gasttyp"),
             [](const CustomerRow& r) { return PartyPlanning::markText(r.planningMark); }}};
}

} // namespace

TVorPlaForm::TVorPlaForm(DataSet& set, TClientDataModul& customers, TVorFuerModul& parties, UiPort& ui,
                         const QString& programTitle, QWidget* parent)
    : QDialog(parent), m_set(set), m_customers(customers), m_parties(parties), m_ui(ui),
      m_programTitle(programTitle), m_planning(set.db(), ui), m_view(set.db()),
      m_lastPartyDate(QDate::currentDate())
{
    setObjectName(QStringLiteral("TVorPlaForm"));
    m_editor = [this](TClientDataModul::Record& record, bool isNew, const QString& title) {
        return TClientNewForm::edit(m_customers, record, isNew, title, this);
    };
    m_chooseNumber = [this](const QDate& date) { return choosePartyNumber(date); };
    m_launch = [this](const QString& program, const QStringList& arguments) {
        return ProgramRunner(m_ui).RunProgram(program, arguments);
    };
    auto* layout = new QVBoxLayout(this);
    auto* bars = new QHBoxLayout;
    bars->addWidget(buildPlanBar());
    bars->addWidget(buildCustomerBar());
    bars->addStretch();
    layout->addLayout(bars);
    buildGrid(layout);
    buildNavigation(layout);
    buildInfo(layout);
    m_view.clearFilter();
    applySortOrder(0);
    resize(900, 600);
    updateCaption();
}

void TVorPlaForm::run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* parent)
{
    TClientDataModul customers(set.db(), ui);
    TArtikelModul articles(set, ui);
    TVorFuerModul parties(set.db(), set.options(), ui, customers, articles);
    TVorPlaForm form(set, customers, parties, ui, programTitle, parent);
    form.exec();
}

QToolBar* TVorPlaForm::buildPlanBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("VorplanungWerkzeuge"));
    auto add = [&](const QString& text, const QString& tip, auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setToolTip(tip);
        m_actions << a;
    };
    add(QStringLiteral("&Neu"), QStringLiteral("Neue Vorplanung vorbereiten/ alte zurücksetzen"),
        &TVorPlaForm::resetPlan);
    add(QStringLiteral("&Gastgeb."), QStringLiteral("Gastgeberin markieren"), &TVorPlaForm::markHost);
    add(QStringLiteral("G&ast"), QStringLiteral("Gast markieren"), &TVorPlaForm::markGuest);
    add(QStringLiteral("&Zurück"), QStringLiteral("Kunde zurücksetzen"), &TVorPlaForm::clearMark);
    add(QStringLiteral("&Export"), QStringLiteral("Vorplanung exportieren"), &TVorPlaForm::exportPlan);
    add(QStringLiteral("Textverar."), QStringLiteral("Textverarbeitung starten"),
        &TVorPlaForm::startWordProcessor);
    add(QStringLiteral("Vor&führung"), QStringLiteral("Vorführung aus Vorplanung erstellen"),
        &TVorPlaForm::createParty);
    add(QStringLiteral("&Verlassen"), QStringLiteral("Vorplanungsverwaltung schließen"), &QDialog::close);
    return bar;
}

QToolBar* TVorPlaForm::buildCustomerBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("KundenWerkzeuge"));
    auto add = [&](const QString& text, const QString& tip, auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setToolTip(tip);
        m_actions << a;
    };
    add(QStringLiteral("Ne&u"), QStringLiteral("Neuer Kunde anlegen"), &TVorPlaForm::newCustomer);
    add(QStringLiteral("&Bearbeiten"), QStringLiteral("Kunden bearbeiten"), &TVorPlaForm::editCustomer);
    add(QStringLiteral("&Löschen"), QStringLiteral("Kunde löschen"), &TVorPlaForm::deleteCustomer);
    add(QStringLiteral("&Drucken"), QStringLiteral("Adressen drucken"), &TVorPlaForm::printAddresses);
    return bar;
}

void TVorPlaForm::buildGrid(QVBoxLayout* layout)
{
    m_grid = new CustomerGrid(gridColumns(), this);
    m_grid->customers()->setMarkColours(CustomerTableModel::MarkColours::HostAndGuests);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);
    connect(m_grid, &QTableView::doubleClicked, this, &TVorPlaForm::editCustomer);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TVorPlaForm::updateInfo);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &TVorPlaForm::showContextMenu);
}

void TVorPlaForm::buildNavigation(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    auto* previous = new QPushButton(QStringLiteral("<"), this);
    auto* next = new QPushButton(QStringLiteral(">"), this);
    m_sortBox = new QComboBox(this);
    for (Order order : CustomerSort::all())
        m_sortBox->addItem(sortCaption(order));
    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    m_planFilter = new QPushButton(QStringLiteral("Vor&planung"), this);
    m_planFilter->setCheckable(true);
    m_planFilter->setToolTip(QStringLiteral("Nur die markierten Kunden anzeigen"));
    for (QPushButton* b : {previous, next, search, m_planFilter})
        b->setAutoDefault(false);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), this));
    row->addWidget(m_sortBox);
    row->addWidget(search);
    row->addWidget(m_planFilter);
    row->addStretch();
    layout->addLayout(row);
    connect(previous, &QPushButton::clicked, this, [this] { m_grid->step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { m_grid->step(1); });
    connect(search, &QPushButton::clicked, this, [this] {
        m_grid->search(QStringLiteral("Kunde suchen"));
        updateInfo();
    });
    connect(m_sortBox, &QComboBox::currentIndexChanged, this, &TVorPlaForm::applySortOrder);
    connect(m_planFilter, &QPushButton::toggled, this, &TVorPlaForm::setPlanFilter);
}

void TVorPlaForm::buildInfo(QVBoxLayout* layout)
{
    auto* info = new QGridLayout;
    m_guestType = new QLabel(this);
    m_nextParty = new QLabel(this);
    m_matchCode = new QLabel(this);
    m_guestCount = new QLabel(this);
    int column = 0;
    for (auto [caption, label] :
         {std::pair{"Gasttyp :", m_guestType}, std::pair{"Nächste Vorführung :", m_nextParty},
          std::pair{"MCODE :", m_matchCode}, std::pair{"Gäste markiert :", m_guestCount}}) {
        info->addWidget(new QLabel(QString::fromUtf8(caption), this), 0, column++);
        info->addWidget(label, 0, column++);
    }
    layout->addLayout(info);
}

void TVorPlaForm::showContextMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Gastgeberin"), this, &TVorPlaForm::markHost);
    menu.addAction(QStringLiteral("Gast"), this, &TVorPlaForm::markGuest);
    menu.addAction(QStringLiteral("Zurücksetzen"), this, &TVorPlaForm::clearMark);
    menu.exec(m_grid->viewport()->mapToGlobal(at));
}

QAction* TVorPlaForm::action(const QString& text) const
{
    for (QAction* a : m_actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QLabel* TVorPlaForm::infoLabel(const QString& name) const
{
    if (name == QStringLiteral("Gasttyp"))
        return m_guestType;
    if (name == QStringLiteral("Nächste Vorführung"))
        return m_nextParty;
    if (name == QStringLiteral("MCODE"))
        return m_matchCode;
    return m_guestCount;
}

void TVorPlaForm::applySortOrder(int index)
{
    const Order order = CustomerSort::all().value(index, Order::Name);
    m_view.setSortOrder(order);
    m_grid->setSortOrder(order);
    m_grid->customers()->setMarkedField(sortColumn(order));
    const QString red = QStringLiteral("color: red;");
    m_nextParty->setStyleSheet(order == Order::NextParty ? red : QString());
    m_matchCode->setStyleSheet(order == Order::MatchCode ? red : QString());
    refresh(); // the first customer of the new order
}

void TVorPlaForm::refresh(const QString& keepNumber)
{
    guardDatabase(m_ui, [&] {
        m_grid->setRows(m_view.rows(), keepNumber);
        m_guestCount->setText(QString::number(m_planning.counts().guests));
    });
    updateInfo();
}

void TVorPlaForm::updateInfo()
{
    const CustomerRow* r = m_grid->current();
    m_guestType->setText(r ? GuestType::word(r->guestType) : QString());
    m_nextParty->setText(r ? shownDate(r->nextParty) : QString());
    m_matchCode->setText(r ? r->matchCode : QString());
}

void TVorPlaForm::setPlanFilter(bool on)
{
    const bool shown = m_view.activeFilter() == CustomerView::FilterKind::Marked;
    if (on != shown)
        m_view.toggleMarkedFilter();
    if (m_planFilter->isChecked() != on) {
        const QSignalBlocker block(m_planFilter);
        m_planFilter->setChecked(on);
    }
    refresh(m_grid->currentNumber());
}

void TVorPlaForm::mark(bool (PartyPlanning::*setter)(const QString&), int newMark)
{
    const QString number = m_grid->currentNumber();
    bool changed = false;
    guardDatabase(m_ui, [&] {
        changed = (m_planning.*setter)(number);
        m_guestCount->setText(QString::number(m_planning.counts().guests));
    });
    if (!changed)
        return;
    // Only her row changes; reading every customer again would take long with thousands of them.
    if (newMark == PartyPlanning::None && m_view.activeFilter() == CustomerView::FilterKind::Marked)
        m_grid->dropCurrent();
    else
        m_grid->changeCurrent([newMark](CustomerRow& r) { r.planningMark = newMark; });
    updateInfo();
}

void TVorPlaForm::markHost()
{
    mark(&PartyPlanning::markHost, PartyPlanning::Host);
}

void TVorPlaForm::markGuest()
{
    mark(&PartyPlanning::markGuest, PartyPlanning::Guest);
}

void TVorPlaForm::clearMark()
{
    mark(&PartyPlanning::clear, PartyPlanning::None);
}

void TVorPlaForm::resetPlan()
{
    guardDatabase(m_ui, [&] { m_planning.reset(); });
    // The filter stays only while "Vor&planung" is down.
    setPlanFilter(m_planFilter->isChecked());
}

void TVorPlaForm::exportPlan()
{
    guardDatabase(m_ui, [&] { PlanExport(m_set.db()).Export(m_set.home().dbDir(), m_ui); });
}

void TVorPlaForm::startWordProcessor()
{
    PlanWordProcessor(m_set.options(), m_ui, m_launch).start();
}

std::optional<TVorPlaForm::PartyNumber> TVorPlaForm::choosePartyNumber(const QDate& date)
{
    TR_NRChooser dialog(m_parties, m_ui, QDate::currentDate(), this);
    dialog.setDate(date);
    if (dialog.exec() != QDialog::Accepted || !dialog.choice())
        return std::nullopt;
    return PartyNumber{dialog.choice()->rNr, dialog.choice()->date};
}

void TVorPlaForm::createParty()
{
    setPlanFilter(true);
    PlanPartyCreation creation(m_parties, m_planning);
    guardDatabase(m_ui, [&] {
        const auto host = creation.host();
        if (!host)
            return;
        const auto number = m_chooseNumber(creation.dialogDate(*host, m_lastPartyDate));
        if (!number)
            return;
        m_lastPartyDate = number->date;
        QStringList marked;
        for (const CustomerRow& row : m_grid->customers()->rows())
            marked << row.number;
        creation.create(number->rNr, number->date, *host, marked);
    });
    refresh(m_grid->currentNumber());
}

void TVorPlaForm::newCustomer()
{
    const auto number = TClientNewForm::createNew(m_customers, m_editor, kNewTitle);
    refresh(number.value_or(m_grid->currentNumber()));
}

void TVorPlaForm::editCustomer()
{
    const QString number = m_grid->currentNumber();
    auto record = number.isEmpty() ? std::nullopt : m_customers.load(number);
    if (!record)
        return;
    m_editor(*record, false, TClientNewForm::kDefaultTitle);
    refresh(number);
}

void TVorPlaForm::deleteCustomer()
{
    const QString number = m_grid->currentNumber();
    if (number.isEmpty() || m_ui.question(kDeleteQuestion, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return;
    const int row = m_grid->currentIndex().row();
    guardDatabase(m_ui, [&] { m_customers.deleteCustomer(number); });
    refresh();
    m_grid->moveTo(row);
    updateInfo();
}

void TVorPlaForm::printAddresses()
{
    if (!ReportPrinter::CheckPrinter(m_ui))
        return;
    const bool markedOnly = m_view.activeFilter() == CustomerView::FilterKind::Marked;
    ReportPreview::show(PlanAddressListReport::Name, m_set,
                        PlanAddressListReport::arguments(markedOnly, m_view.sortOrder()), m_ui, this);
}

void TVorPlaForm::updateCaption()
{
    setWindowTitle(QStringLiteral("Vorlix-Soft - ") + m_programTitle + QStringLiteral(" -") +
                   QLatin1Char(' ') + QStringLiteral("Vorplanungsverwaltung"));
}

void TVorPlaForm::resizeEvent(QResizeEvent* event)
{
    updateCaption();
    QDialog::resizeEvent(event);
}

void TVorPlaForm::closeEvent(QCloseEvent* event)
{
    // Leaving the window always switches the filter off.
    setPlanFilter(false);
    QDialog::closeEvent(event);
}

} // namespace korbelant
