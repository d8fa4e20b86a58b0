#include "parties/ui/TVorFuerForm.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "parties/PartyDialogWorkflow.h"
#include "parties/ui/PartyTableModel.h"
#include "parties/ui/TNewVorFForm.h"
#include "parties/ui/TR_NRChooser.h"
#include "parties/ui/TWeekRangeForm.h"
#include "reports/ui/ReportPreview.h"
#include "week/WeekOverviewReport.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/GridColumns.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QColor kWarning(Qt::red);

void paintRed(QWidget* widget, bool red)
{
    QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
    if (red)
        palette.setColor(QPalette::Window, kWarning);
    widget->setAutoFillBackground(red);
    widget->setPalette(palette);
}

void prepareGrid(QAbstractItemView* grid)
{
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false); // Tab moves between the two lists
}

} // namespace

TVorFuerForm::TVorFuerForm(DataSet& set, TVorFuerModul& modul, TClientDataModul& customers, UiPort& ui,
                           GuestWindow guestWindow, const QDate& today, QWidget* parent)
    : QDialog(parent), m_set(set), m_modul(modul), m_customers(customers), m_ui(ui),
      m_guestWindow(std::move(guestWindow)), m_today(today), m_list(modul.db()), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TVorFuerForm"));
    setWindowTitle(QStringLiteral("Vorführungsverwaltung"));
    // Parties entered here always update their customers.
    m_modul.setCustomerUpdateSuppressed(false);

    m_model = new PartyTableModel(this);
    m_parties = new QTableView(this);
    m_parties->setModel(m_model);
    prepareGrid(m_parties);
    m_parties->verticalHeader()->hide();
    m_parties->installEventFilter(this);
    m_guests = new QTableWidget(0, 4, this);
    m_guests->setHorizontalHeaderLabels({QStringLiteral("GastNr."), QStringLiteral("Name"),
                                         QStringLiteral("Umsatz"), QStringLiteral("Verab.-Dat.")});
    prepareGrid(m_guests);
    m_guests->verticalHeader()->hide();
    // The few participants of a party: each column fits its texts, the names take the rest.
    m_guests->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_guests->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_guests->installEventFilter(this);
    m_sort = new QComboBox(this);
    m_sort->addItems(PartyList::choices());

    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(new QLabel(QStringLiteral("Sortierung der Vorführungen nach :"), this));
    sortRow->addWidget(m_sort);
    sortRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(sortRow);
    left->addWidget(m_parties, 1);
    left->addWidget(buildDetailPanel());
    auto* right = new QVBoxLayout;
    right->addWidget(m_guests, 1);
    right->addWidget(buildGuestButtons());
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 3);
    lists->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPartyButtons());
    layout->addLayout(lists, 1);

    connect(m_parties->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        reloadGuests();
        showDetails();
    });
    connect(m_parties, &QTableView::doubleClicked, this, [this] { editParty(); });
    connect(m_guests, &QTableWidget::cellDoubleClicked, this, [this] { editGuest(); });
    connect(m_sort, &QComboBox::currentTextChanged, this, [this] { reloadParties(currentParty()); });
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TVorFuerForm::blink);
    m_timer->start();

    // The window opens in week order on the last party.
    m_sort->setCurrentText(QStringLiteral("Woche"));
    reloadParties(QString());
    resize(1000, 640);
}

QPushButton* TVorFuerForm::addButton(QWidget* parent, const QString& caption, const QString& hint,
                                     void (TVorFuerForm::*handler)())
{
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    parent->layout()->addWidget(b);
    return b;
}

const std::vector<TVorFuerForm::ListButton>& TVorFuerForm::listButtons()
{
    static const std::vector<ListButton> buttons{{"Liste (pro &Gast)", "auslieferung-gast", false},
                                                 {"Liste (&Einzelblätter)", "einzelblaetter", false},
                                                 {"Gas&tgeb.-Liste", "gastgeberliste", false},
                                                 {"Tup&p-Börse", "tupperboerse", false},
                                                 {"Tupp-Gästeliste", "gaesteliste", false},
                                                 {"KLV-G&ästeliste", "gaeste-bezahlt", false},
                                                 {"&Sterneliste", "zusatzsterne", false},
                                                 {"E&inzelblatt", "einzelblaetter", true}};
    return buttons;
}

void TVorFuerForm::addListButtons(QWidget* parent, bool forGuest)
{
    for (const ListButton& list : listButtons()) {
        if (list.forGuest != forGuest)
            continue;
        auto* b = new QPushButton(QString::fromUtf8(list.caption), parent);
        b->setAutoDefault(false);
        const QString report = QString::fromLatin1(list.report);
        connect(b, &QPushButton::clicked, this,
                [this, report, forGuest, b] { printList(report, forGuest, b); });
        parent->layout()->addWidget(b);
    }
}

QWidget* TVorFuerForm::buildPartyButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addButton(bar, QStringLiteral("&Neu"), QStringLiteral("Neue Vorführung anlegen"),
              &TVorFuerForm::newParty);
    addButton(bar, QStringLiteral("&Bearbeiten"), QStringLiteral("Vorführung bearbeiten"),
              &TVorFuerForm::editParty);
    addButton(bar, QStringLiteral("&Löschen"), QStringLiteral("Vorführung löschen"),
              &TVorFuerForm::deleteParty);
    addListButtons(bar, false);
    addButton(bar, QStringLiteral("&Übersicht"), QStringLiteral("Wochenübersicht drucken"),
              &TVorFuerForm::weekOverview);
    addButton(bar, QStringLiteral("&Verlassen"), QStringLiteral("Vorführungsverwaltung verlassen"),
              &QDialog::accept);
    row->addStretch();
    return bar;
}

QWidget* TVorFuerForm::buildGuestButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addButton(bar, QStringLiteral("Gast N&eu"), QStringLiteral("Neuen Gast anlegen"),
              &TVorFuerForm::newGuest);
    addButton(bar, QStringLiteral("Be&arbeiten"), QStringLiteral("Bestellungen des Gastes bearbeiten"),
              &TVorFuerForm::editGuest);
    addButton(bar, QStringLiteral("L&öschen"), QStringLiteral("Gast löschen"), &TVorFuerForm::deleteGuest);
    addListButtons(bar, true);
    row->addStretch();
    return bar;
}

QLabel* TVorFuerForm::addDetail(const QString& field)
{
    auto* label = new QLabel(this);
    label->setObjectName(field);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(60);
    m_details.insert(field, label);
    return label;
}

QWidget* TVorFuerForm::buildDetailPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    auto* host = new QHBoxLayout;
    host->addWidget(addDetail(QStringLiteral("K_NR")));
    host->addWidget(addDetail(QStringLiteral("Name")), 1);
    form->addRow(QStringLiteral("Gastgeberin :"), host);
    auto* appointments = new QHBoxLayout;
    appointments->addWidget(addDetail(QStringLiteral("VERABRED")));
    appointments->addWidget(addDetail(QStringLiteral("Verabred_2")));
    appointments->addStretch();
    form->addRow(QStringLiteral("Verabredungen :"), appointments);
    for (auto [caption, field] :
         {std::pair{"Benennungen :", "BENENN_TUP"}, std::pair{"Rekrutierungen :", "REKRUTIER"},
          std::pair{"Gäste :", "GAESTE"}, std::pair{"DBA's :", "S_ANGEBOTE"},
          std::pair{"Serviceprodukte :", "S_VerkServicePr"}})
        form->addRow(QString::fromUtf8(caption), addDetail(QString::fromLatin1(field)));
    row->addLayout(form, 2);

    m_starBox = new QGroupBox(QStringLiteral("Sternekonto"), panel);
    m_starBox->setObjectName(QStringLiteral("Sternekonto"));
    auto* stars = new QFormLayout(m_starBox);
    stars->addRow(QStringLiteral("Sterne  Betrag :"), addDetail(QStringLiteral("STERNE_DM")));
    stars->addRow(QStringLiteral("erreichte Sterne :"), addDetail(QStringLiteral("MSterne")));
    stars->addRow(QStringLiteral("eingegebene Sterne :"), addDetail(QStringLiteral("STERNE")));
    row->addWidget(m_starBox, 1, Qt::AlignTop);
    return panel;
}

QPushButton* TVorFuerForm::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

QLabel* TVorFuerForm::detail(const QString& field) const
{
    return m_details.value(field);
}

// ---------------------------------------------------------------- lists

QString TVorFuerForm::currentParty() const
{
    const QModelIndex current = m_parties->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return QString();
    return m_model->parties()[static_cast<std::size_t>(current.row())].rNr;
}

QString TVorFuerForm::currentGuest() const
{
    const int row = m_guests->currentRow();
    if (row < 0 || !m_guests->item(row, 0))
        return QString();
    return m_guests->item(row, 0)->text();
}

bool TVorFuerForm::selectParty(const QString& rNr)
{
    const int row = m_model->rowOf(rNr);
    if (row < 0)
        return false;
    m_parties->setCurrentIndex(m_model->index(row, 0));
    m_parties->scrollTo(m_model->index(row, 0));
    return true;
}

bool TVorFuerForm::selectGuest(const QString& pNr)
{
    for (int row = 0; row < m_guests->rowCount(); ++row) {
        if (m_guests->item(row, 0)->text() == pNr) {
            m_guests->setCurrentCell(row, 0);
            return true;
        }
    }
    return false;
}

void TVorFuerForm::reloadParties(const QString& keep)
{
    guardDatabase(
        m_ui, [this] { m_model->setParties(m_list.parties(PartyList::fromChoice(m_sort->currentText()))); });
    GridColumns::fitToContents(m_parties);
    // The kept party, else the last one.
    if (!selectParty(keep) && m_model->rowCount() > 0)
        m_parties->setCurrentIndex(m_model->index(m_model->rowCount() - 1, 0));
    reloadGuests(currentGuest());
    showDetails();
}

void TVorFuerForm::reloadGuests(const QString& keep)
{
    std::vector<PartyList::Guest> guests;
    const QString rNr = currentParty();
    if (!rNr.isEmpty())
        guests = m_list.guests(rNr);
    m_guests->setRowCount(static_cast<int>(guests.size()));
    int row = 0;
    for (const PartyList::Guest& g : guests) {
        const QStringList cells{g.pNr, g.name, GermanFormat::money(g.umsatz),
                                GermanFormat::date(g.verabredDatum)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (column == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_guests->setItem(row, column, item);
        }
        ++row;
    }
    if (!selectGuest(keep) && m_guests->rowCount() > 0)
        m_guests->setCurrentCell(0, 0);
}

void TVorFuerForm::showDetails()
{
    const QString rNr = currentParty();
    const auto h = rNr.isEmpty() ? std::nullopt : m_modul.header(rNr);
    m_calc = h ? m_modul.TKopfTableCalcFields(*h) : TVorFuerModul::CalcValues{};
    const auto field = [&](const char* name) { return h ? h->value(QString::fromLatin1(name)) : QVariant(); };
    const auto number = [&](const char* name) {
        return h ? QString::number(field(name).toInt()) : QString();
    };
    m_details.value(QStringLiteral("K_NR"))->setText(field("K_NR").toString());
    m_details.value(QStringLiteral("Name"))->setText(h ? m_calc.name : QString());
    for (const char* name :
         {"VERABRED", "BENENN_TUP", "REKRUTIER", "GAESTE", "S_ANGEBOTE", "S_VerkServicePr", "STERNE"})
        m_details.value(QString::fromLatin1(name))->setText(number(name));
    m_details.value(QStringLiteral("Verabred_2"))->setText(h ? QString::number(m_calc.verabred2) : QString());
    m_details.value(QStringLiteral("MSterne"))->setText(h ? QString::number(m_calc.mSterne) : QString());
    m_details.value(QStringLiteral("STERNE_DM"))
        ->setText(h ? GermanFormat::money(field("STERNE_DM").toDouble()) : QString());
    paintWarnings();
}

// ---------------------------------------------------------------- blinking

void TVorFuerForm::blink()
{
    m_blinkOn = !m_blinkOn;
    paintWarnings();
}

void TVorFuerForm::paintWarnings()
{
    m_starRed = m_calc.starWarning && m_blinkOn;
    m_guestRed = m_calc.guestWarning && m_blinkOn;
    paintRed(m_starBox, m_starRed);
    paintRed(m_details.value(QStringLiteral("GAESTE")), m_guestRed);
}

QColor TVorFuerForm::starBoxColour() const
{
    return m_starBox->palette().color(QPalette::Window);
}

QColor TVorFuerForm::guestCountColour() const
{
    return m_details.value(QStringLiteral("GAESTE"))->palette().color(QPalette::Window);
}

// ---------------------------------------------------------------- parties

void TVorFuerForm::newParty()
{
    const auto choice = TR_NRChooser::choose(m_modul, m_ui, m_today, this);
    if (!choice)
        return;
    std::optional<PartyDialogWorkflow> workflow;
    if (guardDatabase(m_ui, [&] {
            workflow.emplace(PartyDialogWorkflow::startNew(m_modul, choice->rNr, choice->date));
        }))
        runPartyDialog(*workflow);
}

void TVorFuerForm::editParty()
{
    if (m_model->rowCount() == 0) {
        newParty();
        return;
    }
    if (auto workflow = PartyDialogWorkflow::edit(m_modul, currentParty()))
        runPartyDialog(*workflow);
}

void TVorFuerForm::runPartyDialog(PartyDialogWorkflow& workflow)
{
    const QString& caption = workflow.isNew() ? TNewVorFForm::kNewCaption : TNewVorFForm::kEditCaption;
    TNewVorFForm dialog(m_modul, m_customers, m_ui, workflow.header(), caption, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const bool saved = accepted && guardDatabase(m_ui, [&] { workflow.accept(dialog.header()); });
    if (!accepted)
        guardDatabase(m_ui, [&] { workflow.cancel(); });
    reloadParties(workflow.rNr());
    if (saved && dialog.orderEntryRequested())
        openGuestWindow(workflow.rNr(), workflow.firstGuest(currentGuest()));
}

void TVorFuerForm::deleteParty()
{
    const QString rNr = currentParty();
    if (rNr.isEmpty())
        return;
    // The party after it (else the one before) takes its place in the selection.
    const int row = m_parties->currentIndex().row();
    const int neighbour = row + 1 < m_model->rowCount() ? row + 1 : row - 1;
    const QString next =
        neighbour >= 0 ? m_model->parties()[static_cast<std::size_t>(neighbour)].rNr : QString();
    bool deleted = false;
    guardDatabase(m_ui, [&] { deleted = m_modul.deleteParty(rNr); });
    if (deleted)
        reloadParties(next);
}

void TVorFuerForm::weekOverview()
{
    const auto header = currentParty().isEmpty() ? std::nullopt : m_modul.header(currentParty());
    const QString week = header ? header->value(QStringLiteral("MWoche")).toString() : QString();
    TWeekRangeForm range(week, week.isEmpty() ? QString() : week.left(4) + QStringLiteral("53"), this);
    if (range.exec() != QDialog::Accepted)
        return;
    guardDatabase(m_ui, [&] {
        const auto parties = WeekOverviewReport(m_set.db())
                                 .parties(WeekOverviewReport::rangeFromDialog(range.fromEdit()->text(),
                                                                              range.toEdit()->text()));
        ReportDocument document = WeekOverviewReport::document(parties);
        document.pageHeader = WeekOverviewReport::pageHeader(m_set);
        ReportPreview::show(document, m_ui, this);
    });
}

void TVorFuerForm::printList(const QString& report, bool forGuest, QPushButton* button)
{
    QStringList args{currentParty()};
    if (forGuest)
        args << currentGuest();
    if (args.contains(QString())) {
        m_ui.information(kNoParticipant);
        return;
    }
    if (button)
        button->setEnabled(false);
    ReportPreview::show(report, m_set, args, m_ui, this);
    if (button)
        button->setEnabled(true);
}

// ---------------------------------------------------------------- participants

void TVorFuerForm::openGuestWindow(const QString& rNr, const QString& pNr)
{
    if (rNr.isEmpty() || pNr.isEmpty() || !m_modul.participant(rNr, pNr)) {
        m_ui.information(kNoParticipant);
        return;
    }
    QString lastGuest = pNr;
    if (m_guestWindow)
        lastGuest = m_guestWindow(rNr, pNr);
    if (lastGuest.isEmpty())
        lastGuest = pNr;
    guardDatabase(m_ui, [&] { m_modul.closeGuestWindow(rNr, lastGuest); });
    // Only this party's row changes; the list is not read again.
    const int row = m_model->rowOf(rNr);
    const auto updated = row >= 0 ? m_list.party(rNr) : std::nullopt;
    if (updated)
        m_model->replace(row, *updated);
    else
        reloadParties(rNr);
    reloadGuests(lastGuest);
    showDetails();
}

void TVorFuerForm::newGuest()
{
    const QString rNr = currentParty();
    guardDatabase(m_ui, [&] {
        auto participant = m_modul.addParticipant(rNr);
        if (!participant)
            return;
        m_modul.saveParticipant(*participant);
        reloadGuests();
        openGuestWindow(rNr, participant->value(QStringLiteral("P_NR")).toString());
    });
}

void TVorFuerForm::editGuest()
{
    openGuestWindow(currentParty(), currentGuest());
}

void TVorFuerForm::deleteGuest()
{
    const QString rNr = currentParty();
    const QString pNr = currentGuest();
    if (rNr.isEmpty() || pNr.isEmpty())
        return;
    if (m_modul.deleteParticipant(rNr, pNr)) {
        reloadGuests();
        showDetails();
    }
}

bool TVorFuerForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_parties || watched == m_guests)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            watched == m_parties ? editParty() : editGuest();
            return true;
        }
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            (watched == m_parties ? static_cast<QWidget*>(m_guests) : m_parties)
                ->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
