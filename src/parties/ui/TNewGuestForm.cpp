#include "parties/ui/TNewGuestForm.h"

#include "articles/KindTable.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "articles/ui/TVaChooseForm.h"
#include "core/DatabaseError.h"
#include "core/GermanFormat.h"
#include "core/Options.h"
#include "core/UiPort.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientFast.h"
#include "customers/ui/TClientNewForm.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/GuestArticleModel.h"
#include "parties/ui/GuestLineModel.h"
#include "parties/ui/TSternekonto.h"
#include "parties/ui/TUMTForm.h"
#include "widgets/NotAvailable.h"
#include "widgets/TMaskedDateEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTableView>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace korbelant {

namespace {

const QString kInfoText = QStringLiteral("                     Info-Text: ");
const QString kWishText = QStringLiteral("Artikel-Text für Wunschartikel: ");
const QString kExchangeText = QStringLiteral("Artikel-Text für Umtausch(Text): ");
const QString kArticleText = QStringLiteral("Bezeichnung : ");
const QString kAskAppend = QStringLiteral("Wollen Sie einen neuen Artikel anfügen ?");
const QString kTabs = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

QString field(const QVariantMap& record, const char* name)
{
    return record.value(QString::fromLatin1(name)).toString();
}

QLabel* label(const QString& text, QWidget* buddy = nullptr)
{
    auto* l = new QLabel(text);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QLineEdit* lineEdit(int maxLength, int width)
{
    auto* e = new QLineEdit;
    e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

// The button's description as hint and accessible name (tests and screen readers find it there).
QPushButton* hinted(QPushButton* b, const QString& description)
{
    b->setToolTip(description);
    b->setAccessibleName(description);
    return b;
}

QLineEdit* timeEdit()
{
    auto* e = new QLineEdit;
    e->setInputMask(QStringLiteral("99:99"));
    e->setFixedWidth(48);
    return e;
}

void showTime(QLineEdit* edit, const QVariant& value)
{
    const QTime t = value.toTime();
    edit->setText(t.isValid() ? t.toString(QStringLiteral("HH:mm")) : QString());
}

// Fixed widths for the columns; 0 marks the column that takes the rest.
void setColumnWidths(QTableView* grid, std::initializer_list<int> widths)
{
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumSectionSize(20);
    header->setDefaultSectionSize(60);
    int column = 0;
    for (const int width : widths) {
        if (width > 0)
            header->resizeSection(column, width);
        else
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        ++column;
    }
    grid->verticalHeader()->setDefaultSectionSize(20);
}

void selectRow(QTableView* grid, int row)
{
    if (row < 0 || row >= grid->model()->rowCount()) {
        grid->clearSelection();
        return;
    }
    const QModelIndex index = grid->model()->index(row, 1);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
}

} // namespace

TNewGuestForm::TNewGuestForm(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers, Options& options, UiPort& ui,
                             const QString& rNr, const QString& pNr, QWidget* parent)
    : QDialog(parent), m_party(party), m_articles(articles), m_customers(customers), m_options(options), m_ui(ui),
      m_session(std::make_unique<GuestEntrySession>(party, customers, rNr, pNr)), m_list(articles, options),
      m_geometry(GuestWindowGeometry::load(options.path())), m_reasons(party.db())
{
    setWindowTitle(QStringLiteral("Bestelleingabe Vorführung ") + rNr);
    m_list.restrictToKind(options.text(QStringLiteral("vorgabe_va")));
    m_list.refresh();
    build();
    applyGeometry();
    startLineIfEmpty();
    showAll();
    if (m_session->isHost() || !m_session->participant().value(QStringLiteral("K_NR")).toString().isEmpty())
        focusKind();
    else
        m_customer->setFocus();
}

QString TNewGuestForm::run(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers, Options& options, UiPort& ui,
                          const QString& rNr, const QString& pNr, QWidget* fallbackParent)
{
    // Above the party window, which is the active modal window when a guest is opened.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : fallbackParent;
    TNewGuestForm form(party, articles, customers, options, ui, rNr, pNr, owner);
    form.exec();
    return form.session().pNr();
}

TNewGuestForm::~TNewGuestForm()
{
    if (m_starAccount)
        m_starAccount->close();
}

template <typename F>
void TNewGuestForm::guarded(F&& action)
{
    try {
        action();
    } catch (const DatabaseError& e) {
        m_ui.error(e.message());
    }
    showAll();
}

// ---------------------------------------------------------------- building

void TNewGuestForm::build()
{
    auto* layout = new QVBoxLayout(this);
    // The stored size wins over the widgets' wishes, down to the standard size.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(buildParticipant());
    m_orderArea = buildOrderArea();
    layout->addWidget(m_orderArea, 1);
    layout->addWidget(buildArticleArea());
    connectFields();
    installFilters();
}

QPushButton* TNewGuestForm::button(const QString& text, std::function<void()> action)
{
    auto* b = new QPushButton(text);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, std::move(action));
    return b;
}

QWidget* TNewGuestForm::buildParticipant()
{
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    m_pNr = lineEdit(2, 40);
    m_pNr->setReadOnly(true);
    m_customer = lineEdit(6, 70);
    grid->addWidget(label(QStringLiteral("Gast-Nr. :"), m_pNr), 0, 0);
    grid->addWidget(m_pNr, 0, 1);
    grid->addWidget(label(QStringLiteral("Kunden -Nr. :"), m_customer), 1, 0);
    auto* customerRow = new QHBoxLayout;
    customerRow->addWidget(m_customer);
    const std::pair<const char*, void (TNewGuestForm::*)()> buttons[] = {
        {"Neuen Kunde anlegen und als Gast übernehmen.", &TNewGuestForm::newCustomer},
        {"Unbekannter Kunde", &TNewGuestForm::unknownCustomer},
        {"Kunde bearbeiten", &TNewGuestForm::editCustomer},
        {"Kunde in Datenbank suchen und als Gastgeberin übernehmen", &TNewGuestForm::quickSearch}};
    const char* const captions[] = {"N", "?", "B", "S"};
    for (size_t n = 0; n < std::size(buttons); ++n) {
        QPushButton* b = button(QString::fromLatin1(captions[n]), [this, action = buttons[n].second] { (this->*action)(); });
        hinted(b, QString::fromUtf8(buttons[n].first));
        b->setFixedWidth(26);
        m_customerButtons << b;
        customerRow->addWidget(b);
    }
    customerRow->addStretch();
    grid->addLayout(customerRow, 1, 1);
    m_paid = new QCheckBox(QStringLiteral("Bezahlt"));
    grid->addWidget(m_paid, 2, 0, 1, 2);
    m_address = new QLabel;
    m_address->setFrameShape(QFrame::StyledPanel);
    m_address->setMinimumWidth(120);
    m_address->setMaximumWidth(180);
    m_address->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_address, 0, 2, 3, 1);
    m_appointment = new QCheckBox(QStringLiteral("Verabredung"));
    m_nomination = new QCheckBox(QStringLiteral("Benennung"));
    grid->addWidget(m_appointment, 3, 0);
    grid->addWidget(dateTime(QStringLiteral("Verabred_DATUM"), QStringLiteral("Verabred_ZEIT")), 3, 1, 1, 2);
    grid->addWidget(m_nomination, 4, 0);
    grid->addWidget(dateTime(QStringLiteral("BENE_DATUM"), QStringLiteral("BENE_ZEIT")), 4, 1, 1, 2);
    grid->addWidget(buildNavigation(), 0, 3, 5, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* TNewGuestForm::dateTime(const QString& dateField, const QString& timeField)
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    auto* date = new TMaskedDateEdit;
    date->setMinimumWidth(84);
    date->setUi(&m_ui);
    date->setAllowEmpty(true);
    auto* calendar = new QPushButton(QStringLiteral("..."));
    calendar->setAutoDefault(false);
    calendar->setFixedWidth(28);
    connect(calendar, &QPushButton::clicked, this, [this, dateField] { pickDate(dateField); });
    QLineEdit* time = timeEdit();
    row->addWidget(label(QStringLiteral("Datum :"), date));
    row->addWidget(date);
    row->addWidget(calendar);
    row->addWidget(label(QStringLiteral("Zeit :"), time));
    row->addWidget(time);
    row->addStretch();
    date->setObjectName(dateField);
    time->setObjectName(timeField);
    if (dateField == QStringLiteral("Verabred_DATUM")) {
        m_appointmentDate = date;
        m_appointmentTime = time;
    } else {
        m_nominationDate = date;
        m_nominationTime = time;
    }
    return w;
}

QWidget* TNewGuestForm::buildNavigation()
{
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    m_previous = button(QStringLiteral("Vorhergehender Gast"), [this] { moveParticipant(-1); });
    m_next = button(QStringLiteral("Nächster Gast"), [this] { moveParticipant(+1); });
    column->addWidget(m_previous);
    column->addWidget(m_next);
    column->addWidget(button(QStringLiteral("Neue &Gastbestellung "), [this] { newParticipant(); }));
    column->addWidget(button(QStringLiteral("Sterne&konto"), [this] { showStarAccount(); }));
    column->addStretch();
    return w;
}

QWidget* TNewGuestForm::buildOrderArea()
{
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildLineFields());
    m_lineModel = new GuestLineModel(*m_session, this);
    m_lineGrid = new QTableView;
    m_lineGrid->setModel(m_lineModel);
    m_lineGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lineGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lineGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lineGrid->verticalHeader()->hide();
    setColumnWidths(m_lineGrid, {30, 70, 36, 0, 40, 66, 24, 66, 40});
    column->addWidget(m_lineGrid, 1);
    column->addWidget(buildLineButtons());
    return w;
}

QWidget* TNewGuestForm::buildLineFields()
{
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    m_mode = new QLabel;
    m_mode->setMinimumWidth(70);
    m_kind = lineEdit(2, 34);
    m_article = lineEdit(8, 80);
    m_textLabel = new QLabel(kArticleText);
    m_text = new QLineEdit;
    m_text->setMaxLength(40);
    m_reason = lineEdit(3, 44);
    m_reasonLabel = label(QStringLiteral("Fehl.-Code :"), m_reason);
    m_pieces = lineEdit(6, 50);
    m_advance = new QCheckBox(QStringLiteral("V&orab"));
    auto* up = new QPushButton(QStringLiteral("+"));
    auto* down = new QPushButton(QStringLiteral("-"));
    for (QPushButton* b : {up, down}) {
        b->setAutoDefault(false);
        b->setFixedWidth(24);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up, &QPushButton::clicked, this, [this] { guarded([this] { m_session->stepPieces(+1); }); });
    connect(down, &QPushButton::clicked, this, [this] { guarded([this] { m_session->stepPieces(-1); }); });
    auto* first = new QHBoxLayout;
    first->addWidget(m_mode);
    first->addWidget(label(QStringLiteral("VA"), m_kind));
    first->addWidget(m_kind);
    first->addWidget(label(QStringLiteral("Artikel-Nr."), m_article));
    first->addWidget(m_article);
    first->addWidget(m_reasonLabel);
    first->addWidget(m_reason);
    first->addWidget(label(QStringLiteral("Stück"), m_pieces));
    first->addWidget(m_pieces);
    first->addWidget(up);
    first->addWidget(down);
    first->addWidget(m_advance);
    first->addStretch();
    auto* second = new QHBoxLayout;
    second->addWidget(m_textLabel);
    second->addWidget(m_text, 1);
    m_betrag = new QLabel;
    m_menge = new QLabel;
    second->addWidget(new QLabel(QStringLiteral("Betrag :")));
    second->addWidget(m_betrag);
    second->addWidget(new QLabel(QStringLiteral("Gesamtmenge :")));
    second->addWidget(m_menge);
    grid->addLayout(first, 0, 0);
    grid->addLayout(second, 1, 0);
    return w;
}

QWidget* TNewGuestForm::buildLineButtons()
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    // Short captions; the full description is the button's hint.
    const std::pair<const char*, const char*> captions[] = {{"Übernehmen", "Artikel übernehmen"},
                                                            {"Zurück", "Änderungen zurücknehmen"},
                                                            {"Anfügen", "Neuen Artikel an Bestellung anfügen"},
                                                            {"Bearbeiten", "Artikel bearbeiten"},
                                                            {"Entfernen", "Artikel aus Bestellung entfernen"}};
    const std::function<void()> actions[] = {[this] { saveLine(); }, [this] { resetLine(); }, [this] { newLine(); },
                                             [this] { editLine(); }, [this] { deleteLine(); }};
    for (size_t n = 0; n < std::size(captions); ++n)
        row->addWidget(hinted(button(QString::fromUtf8(captions[n].first), actions[n]), QString::fromUtf8(captions[n].second)));
    row->addStretch();
    return w;
}

QWidget* TNewGuestForm::buildArticleArea()
{
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar;
    for (const QChar c : kTabs)
        m_tabs->addTab(QString(c));
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int index) { tabChosen(index); });
    column->addWidget(m_tabs);
    column->addWidget(buildListControls());
    m_articleModel = new GuestArticleModel(m_list, this);
    m_articleGrid = new QTableView;
    m_articleGrid->setModel(m_articleModel);
    m_articleGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_articleGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_articleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_articleGrid->verticalHeader()->hide();
    setColumnWidths(m_articleGrid, {30, 70, 70, 0, 60, 50, 56, 44});
    m_articleGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_articleMenu = new QMenu(this);
    m_articleMenu->addAction(QStringLiteral("Artikel in Bestellung übernehmen"), this, [this] { takeListArticle(false); });
    m_articleMenu->addAction(QStringLiteral("Artikel mit anderer VA anfügen"), this, [this] { takeListArticle(true); });
    connect(m_articleGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_articleMenu->popup(m_articleGrid->viewport()->mapToGlobal(pos)); });
    connect(m_articleGrid, &QTableView::doubleClicked, this, [this] { listDoubleClicked(); });
    column->addWidget(m_articleGrid);
    return w;
}

QWidget* TNewGuestForm::buildListControls()
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    m_aktiv = new QCheckBox(QStringLiteral("Aktiv"));
    m_inaktiv = new QCheckBox(QStringLiteral("Inaktiv"));
    m_lager = new QCheckBox(QStringLiteral("Lager"));
    m_aktiv->setChecked(m_list.aktiv());
    m_inaktiv->setChecked(m_list.inaktiv());
    m_lager->setChecked(m_list.lager());
    const std::pair<QCheckBox*, void (GuestArticleList::*)(bool)> boxes[] = {
        {m_aktiv, &GuestArticleList::setAktiv}, {m_inaktiv, &GuestArticleList::setInaktiv}, {m_lager, &GuestArticleList::setLager}};
    for (const auto& [box, setter] : boxes) {
        connect(box, &QCheckBox::toggled, this, [this, setter](bool on) {
            if (!m_showing)
                guarded([&] { (m_list.*setter)(on); });
        });
    }
    for (QCheckBox* b : {m_aktiv, m_inaktiv, m_lager}) {
        b->setFocusPolicy(Qt::TabFocus);
        row->addWidget(b);
    }
    row->addWidget(hinted(button(QStringLiteral("Suchen"), [this] { articleSearch(); }), QStringLiteral("Artikel suchen")));
    row->addWidget(hinted(button(QStringLiteral("Ersatzteile"), [this] { spareParts(); }), QStringLiteral("Ersatzteile zu Artikel suchen")));
    row->addWidget(hinted(button(QStringLiteral("VA"), [this] { kindChooser(); }), QStringLiteral("Vorgangsart")));
    row->addStretch();
    QPushButton* higher = button(QStringLiteral("▲"), [this] { stepListHeight(+1); });
    QPushButton* lower = button(QStringLiteral("▼"), [this] { stepListHeight(-1); });
    higher->setFixedWidth(28);
    lower->setFixedWidth(28);
    row->addWidget(hinted(higher, QStringLiteral("Artikelliste höher")));
    row->addWidget(hinted(lower, QStringLiteral("Artikelliste niedriger")));
    row->addWidget(hinted(button(QStringLiteral("Standard"), [this] { standardSize(); }), QStringLiteral("Fenster auf Standardgröße stellen")));
    return w;
}

void TNewGuestForm::connectFields()
{
    connect(m_kind, &QLineEdit::textEdited, this, [this](const QString& t) { typedKind(t); });
    connect(m_article, &QLineEdit::textEdited, this, [this](const QString& t) { typedArticle(t); });
    connect(m_pieces, &QLineEdit::textEdited, this, [this](const QString& t) { typedPieces(t); });
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& t) { m_session->setText(t); m_lineModel->reload(); });
    connect(m_reason, &QLineEdit::textEdited, this, [this](const QString& t) { m_session->setReasonCode(t); m_lineModel->reload(); });
    connect(m_advance, &QCheckBox::clicked, this, [this](bool on) { guarded([&] { m_session->setAdvance(on); }); });
    connect(m_customer, &QLineEdit::editingFinished, this, [this] { leaveCustomerField(); });
    const std::pair<QCheckBox*, const char*> flags[] = {{m_paid, "BEZAHLT"}, {m_appointment, "Verabredung"}, {m_nomination, "BENENNUNG"}};
    for (const auto& [box, name] : flags) {
        const QString fieldName = QString::fromLatin1(name);
        connect(box, &QCheckBox::clicked, this, [this, fieldName](bool on) { m_session->setFlag(fieldName, on); });
    }
    for (TMaskedDateEdit* e : {m_appointmentDate, m_nominationDate}) {
        connect(e, &TMaskedDateEdit::dateChanged, this, [this, e](const QDate& d) {
            if (!m_showing)
                m_session->setDate(e->objectName(), d);
        });
    }
    for (QLineEdit* e : {m_appointmentTime, m_nominationTime})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { leaveTime(e); });
    connect(m_lineGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& index) {
        if (m_showing || m_session->mode() != GuestEntrySession::Mode::Browse)
            return;
        m_session->selectRow(index.row());
        m_showing = true;
        showFields();
        m_showing = false;
    });
    connect(m_articleGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& index) {
        if (!m_showing)
            m_list.setCurrentRow(index.row());
    });
    connect(m_lineGrid, &QTableView::doubleClicked, this, [this] { editLine(); });
}

void TNewGuestForm::installFilters()
{
    // Only the widgets of this window; popups such as the context menu keep their own keys.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->window() == this)
            w->installEventFilter(this);
    }
}

// ---------------------------------------------------------------- geometry

void TNewGuestForm::applyGeometry()
{
    resize(m_geometry.width, m_geometry.height);
    if (m_geometry.left >= 0 && m_geometry.top >= 0)
        move(m_geometry.left, m_geometry.top);
    m_articleGrid->setFixedHeight(m_geometry.list);
}

void TNewGuestForm::storeGeometry()
{
    m_geometry.width = width();
    m_geometry.height = height();
    m_geometry.left = x();
    m_geometry.top = y();
    if (!m_geometry.save(m_options.path()))
        m_ui.warning(QStringLiteral("Die Fenstergröße konnte nicht in ") + m_options.path() + QStringLiteral(" gespeichert werden."));
}

void TNewGuestForm::stepListHeight(int direction)
{
    m_geometry.list = GuestWindowGeometry::stepList(m_geometry.list, direction, m_orderArea->height());
    m_articleGrid->setFixedHeight(m_geometry.list);
}

void TNewGuestForm::standardSize()
{
    m_geometry.setStandard();
    applyGeometry();
}

// ---------------------------------------------------------------- showing the state

void TNewGuestForm::showAll()
{
    m_showing = true;
    showParticipant();
    showLines();
    showList();
    m_showing = false;
}

void TNewGuestForm::showParticipant()
{
    const auto& p = m_session->participant();
    m_pNr->setText(m_session->pNr());
    if (!m_customer->hasFocus())
        m_customer->setText(field(p, "K_NR"));
    const bool host = m_session->isHost();
    m_customer->setEnabled(!host);
    for (QPushButton* b : m_customerButtons)
        b->setEnabled(!host);
    QString address;
    if (const auto c = m_session->customer()) {
        address = field(*c, "VORNAME") + QLatin1Char(' ') + field(*c, "NAME") + QLatin1Char('\n') + field(*c, "STRASSE") + QLatin1Char('\n') +
                  field(*c, "PLZ") + QLatin1Char(' ') + field(*c, "ORT") + QStringLiteral("\nTelefon : ") + field(*c, "TELEFON") +
                  QStringLiteral("\nNächste Vorführung : ") + GermanFormat::date(c->value(QStringLiteral("N_DATUM")).toDate());
    }
    m_address->setText(address);
    m_paid->setChecked(p.value(QStringLiteral("BEZAHLT")).toBool());
    m_appointment->setChecked(p.value(QStringLiteral("Verabredung")).toBool());
    m_nomination->setChecked(p.value(QStringLiteral("BENENNUNG")).toBool());
    m_appointmentDate->setDate(p.value(QStringLiteral("Verabred_DATUM")).toDate());
    m_nominationDate->setDate(p.value(QStringLiteral("BENE_DATUM")).toDate());
    showTime(m_appointmentTime, p.value(QStringLiteral("Verabred_ZEIT")));
    showTime(m_nominationTime, p.value(QStringLiteral("BENE_ZEIT")));
    m_previous->setEnabled(m_session->hasPrevious());
    m_next->setEnabled(m_session->hasNext());
}

void TNewGuestForm::showLines()
{
    m_lineModel->reload();
    selectRow(m_lineGrid, m_lineModel->currentRow());
    m_mode->setText(GuestEntrySession::modeText(m_session->mode()));
    m_betrag->setText(GermanFormat::number(m_session->betrag(), 2));
    m_menge->setText(GuestLineModel::piecesText(m_session->gesamtmenge()));
    showFields();
}

void TNewGuestForm::showFields()
{
    const OrderLine* line = m_session->currentLine();
    const OrderLine empty;
    const OrderLine& l = line ? *line : empty;
    const bool browsing = m_session->mode() == GuestEntrySession::Mode::Browse;
    const auto setIfIdle = [](QLineEdit* e, const QString& text) {
        if (!e->hasFocus() || e->isReadOnly() || e->text() != text)
            e->setText(text);
    };
    setIfIdle(m_kind, l.va);
    setIfIdle(m_article, l.lNr);
    setIfIdle(m_text, l.lText);
    setIfIdle(m_reason, l.fehlCode);
    const QString pieces = line ? GuestLineModel::piecesText(l.stueck) : QString();
    if (!m_pieces->hasFocus() || GermanFormat::parseAmount(m_pieces->text()) != std::optional<double>(l.stueck))
        m_pieces->setText(pieces);
    for (QLineEdit* e : {m_kind, m_article, m_pieces, m_reason})
        e->setReadOnly(browsing);

    const QString va = l.va.trimmed();
    const bool text = m_session->isTextKind(va);
    const bool exchange = va == QStringLiteral("98") || va == QStringLiteral("99");
    m_text->setReadOnly(browsing || !text);
    m_textLabel->setText(va == QStringLiteral("96")   ? kWishText
                         : va == QStringLiteral("98") ? kExchangeText
                         : (text || va == QStringLiteral("95")) ? kInfoText
                                                              : kArticleText);
    m_reason->setVisible(exchange);
    m_reasonLabel->setVisible(exchange);
    m_advance->setVisible(!exchange);
    m_advance->setEnabled(!browsing);
    m_advance->setChecked(l.vorab == QStringLiteral("V"));
    m_tabs->setVisible(!text);
}

void TNewGuestForm::showList()
{
    m_articleModel->reload();
    selectRow(m_articleGrid, m_list.currentRow());
}

void TNewGuestForm::focusKind()
{
    m_kind->setFocus();
    m_kind->selectAll();
}

// ---------------------------------------------------------------- field entries

void TNewGuestForm::typedKind(const QString& text)
{
    guarded([&] {
        m_session->setKind(text);
        m_list.restrictToKind(text);
    });
}

void TNewGuestForm::typedArticle(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int caret = m_article->cursorPosition();
        m_article->setText(upper);
        m_article->setCursorPosition(caret);
    }
    guarded([&] {
        m_session->setArticleNumber(upper);
        m_list.positionOnPrefix(upper);
    });
}

void TNewGuestForm::typedPieces(const QString& text)
{
    if (const auto pieces = GermanFormat::parseAmount(text))
        guarded([&] { m_session->setPieces(*pieces); });
}

void TNewGuestForm::leaveCustomerField()
{
    if (m_showing || m_session->isHost())
        return;
    if (m_customer->text().trimmed() != field(m_session->participant(), "K_NR")) {
        m_session->setCustomer(m_customer->text());
        showParticipant();
    }
}

void TNewGuestForm::leaveTime(QLineEdit* edit)
{
    if (!m_showing && !m_session->setTimeText(edit->objectName(), edit->displayText()))
        m_ui.information(QStringLiteral("Keine gültige Uhrzeit"));
}

void TNewGuestForm::pickDate(const QString& name)
{
    TMaskedDateEdit* edit = name == QStringLiteral("Verabred_DATUM") ? m_appointmentDate : m_nominationDate;
    const auto picked = m_ui.pickDate(m_session->participant().value(name).toDate());
    if (!picked)
        return;
    m_session->setDate(name, *picked);
    edit->setDate(*picked);
}

// ---------------------------------------------------------------- line actions

void TNewGuestForm::startLineIfEmpty()
{
    if (m_session->lines().empty() && m_session->mode() == GuestEntrySession::Mode::Browse)
        m_session->newLine();
}

void TNewGuestForm::newLine()
{
    guarded([this] {
        if (m_session->newLine())
            focusKind();
    });
}

void TNewGuestForm::saveLine()
{
    guarded([this] { m_session->saveLine(); });
}

void TNewGuestForm::resetLine()
{
    guarded([this] { m_session->resetLine(); });
}

void TNewGuestForm::editLine()
{
    guarded([this] {
        if (m_session->editLine())
            focusKind();
    });
}

void TNewGuestForm::deleteLine()
{
    guarded([this] { m_session->deleteLine(); });
}

void TNewGuestForm::toggleAdvance()
{
    guarded([this] { m_session->toggleAdvance(); });
}

void TNewGuestForm::escape()
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        reject();
    else
        resetLine();
}

// ---------------------------------------------------------------- participants

void TNewGuestForm::afterParticipantChange()
{
    startLineIfEmpty();
    showAll();
    if (m_session->isHost() || !field(m_session->participant(), "K_NR").isEmpty())
        focusKind();
    else
        m_customer->setFocus();
}

void TNewGuestForm::moveParticipant(int step)
{
    leaveCustomerField();
    bool moved = false;
    guarded([&] { moved = step < 0 ? m_session->previousParticipant() : m_session->nextParticipant(); });
    if (moved)
        afterParticipantChange();
}

void TNewGuestForm::newParticipant()
{
    leaveCustomerField();
    bool added = false;
    guarded([&] { added = m_session->newParticipant(); });
    if (added) {
        afterParticipantChange();
        m_customer->setFocus();
    }
}

void TNewGuestForm::newCustomer()
{
    if (m_session->isHost())
        return;
    auto record = m_session->newCustomerRecord();
    if (!record)
        return;
    if (TClientNewForm::edit(m_customers, *record, true, TClientNewForm::kDefaultTitle, this))
        m_session->setCustomer(record->value(QStringLiteral("K_NR")).toString());
    showParticipant();
}

void TNewGuestForm::unknownCustomer()
{
    if (m_session->isHost())
        return;
    m_session->setUnknownCustomer();
    showParticipant();
}

void TNewGuestForm::editCustomer()
{
    auto record = m_session->customer();
    if (!record || m_session->isHost())
        return;
    TClientNewForm::edit(m_customers, *record, false, QStringLiteral("Kundendaten des Gast bearbeiten"), this);
    showParticipant();
}

void TNewGuestForm::quickSearch()
{
    if (m_session->isHost())
        return;
    CustomerEditor editor = [this](TClientDataModul::Record& record, bool isNew, const QString& title) {
        return TClientNewForm::edit(m_customers, record, isNew, title, this);
    };
    TClientFast search(m_customers, editor, this);
    if (search.exec() == QDialog::Accepted && !search.chosenNumber().isEmpty())
        m_session->setCustomer(search.chosenNumber());
    showParticipant();
}

void TNewGuestForm::showStarAccount()
{
    if (!m_starAccount)
        m_starAccount = new TSternekonto(m_party, [this] { recomputeParty(); }, this);
    m_starAccount->showFor(m_session->rNr());
}

void TNewGuestForm::recomputeParty()
{
    guarded([this] { m_session->recomputeParty(); });
}

// ---------------------------------------------------------------- article list

void TNewGuestForm::takeChosen(const QString& lNr, const QString& va)
{
    guarded([&] {
        if (m_session->mode() == GuestEntrySession::Mode::Browse)
            m_session->appendArticle(lNr, va);
        else
            m_session->takeArticle(lNr, va);
        m_list.restrictToKind(m_session->currentLine() ? m_session->currentLine()->va : QString());
    });
}

void TNewGuestForm::articleSearch()
{
    TArtikelVerwaltForm chooser(m_articles, m_ui, m_list.switches(), this);
    const bool chosen = chooser.exec() == QDialog::Accepted && chooser.choice();
    m_list.takeSwitches(chooser.returnedSwitches());
    m_articles.useAfterChooser();
    m_showing = true;
    m_aktiv->setChecked(m_list.aktiv());
    m_inaktiv->setChecked(m_list.inaktiv());
    m_lager->setChecked(m_list.lager());
    m_showing = false;
    if (chosen)
        takeChosen(chooser.choice()->lNr, chooser.choice()->va);
    showAll();
}

void TNewGuestForm::spareParts()
{
    const OrderLine* line = m_session->currentLine();
    const QString product = line ? line->lNr : m_article->text();
    if (!m_articles.FilterSpareParts(product))
        return;
    std::optional<ArticleChooser::Choice> choice;
    {
        TArtikelVerwaltForm chooser(m_articles, m_ui, m_list.switches(), this);
        chooser.setWindowTitle(QStringLiteral("Ersatzteile für Artikel"));
        if (chooser.exec() == QDialog::Accepted)
            choice = chooser.choice();
    }
    m_articles.setKindSelection(KindTable::kAll);
    m_articles.useAfterChooser();
    if (choice)
        takeChosen(choice->lNr, choice->va);
}

void TNewGuestForm::kindChooser()
{
    const OrderLine* line = m_session->currentLine();
    TVaChooseForm chooser(m_articles.kinds(), line ? line->va : QString(), this);
    if (chooser.exec() != QDialog::Accepted || chooser.chosen().isEmpty())
        return;
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        return;
    typedKind(chooser.chosen());
    m_article->setFocus();
}

void TNewGuestForm::tabChosen(int index)
{
    if (index < 0 || index >= kTabs.size())
        return;
    const QChar c = kTabs.at(index);
    if (m_session->mode() == GuestEntrySession::Mode::Browse) {
        m_list.positionOnPrefix(QString(c));
        showList();
        return;
    }
    const QString number = c.isDigit() ? m_article->text() + c : QString(c);
    m_article->setText(number);
    typedArticle(number);
    m_article->setFocus();
}

void TNewGuestForm::takeListArticle(bool otherKind)
{
    const ArticleRecord* a = m_list.current();
    if (!a)
        return;
    const QString lNr = a->lNr;
    const QString va = a->va;
    guarded([&] { m_session->appendArticle(lNr, va); });
    if (otherKind)
        kindChooser();
}

void TNewGuestForm::listDoubleClicked()
{
    const ArticleRecord* a = m_list.current();
    if (!a)
        return;
    const QString lNr = a->lNr;
    const QString va = a->va;
    if (m_session->mode() != GuestEntrySession::Mode::Browse) {
        guarded([&] { m_session->takeArticle(lNr); });
        return;
    }
    if (m_ui.question(kAskAppend, UiPort::Buttons::YesNo) == UiPort::Answer::Yes)
        guarded([&] { m_session->appendArticle(lNr, va); });
}

// ---------------------------------------------------------------- keys

bool TNewGuestForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_address) {
        editCustomer();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TNewGuestForm::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(this, event))
        QDialog::keyPressEvent(event);
}

bool TNewGuestForm::handleKey(QObject* watched, QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers == Qt::KeyboardModifiers(Qt::AltModifier))
        return handleAltKey(event->key());
    if (modifiers == Qt::KeyboardModifiers(Qt::ControlModifier))
        return handleCtrlKey(event->key());
    if (event->key() == Qt::Key_Escape && modifiers == Qt::KeyboardModifiers()) {
        escape();
        return true;
    }
    return handleFieldKey(watched, event);
}

bool TNewGuestForm::handleAltKey(int key)
{
    switch (key) {
    case Qt::Key_N:
    case Qt::Key_Down: newLine(); return true;
    case Qt::Key_L: deleteLine(); return true;
    case Qt::Key_B: editLine(); return true;
    case Qt::Key_S: articleSearch(); return true;
    case Qt::Key_A: kindChooser(); return true;
    case Qt::Key_Z: spareParts(); return true;
    case Qt::Key_O: toggleAdvance(); return true;
    case Qt::Key_E: notAvailable(); return true;
    case Qt::Key_Right: moveParticipant(+1); return true;
    case Qt::Key_Left: moveParticipant(-1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Udiaeresis: saveLine(); return true;
    default: return false;
    }
}

bool TNewGuestForm::handleCtrlKey(int key)
{
    switch (key) {
    case Qt::Key_N: newCustomer(); return true;
    case Qt::Key_U: unknownCustomer(); return true;
    case Qt::Key_B: editCustomer(); return true;
    case Qt::Key_S: quickSearch(); return true;
    case Qt::Key_D: pickDate(QStringLiteral("Verabred_DATUM")); return true;
    case Qt::Key_T: pickDate(QStringLiteral("BENE_DATUM")); return true;
    default: return false;
    }
}

bool TNewGuestForm::handleFieldKey(QObject* watched, QKeyEvent* event)
{
    const int key = event->key();
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        enterIn(watched);
        return true;
    }
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? +1 : 0;
    if (watched == m_article) {
        const int page = std::max(1, m_articleGrid->viewport()->height() / std::max(1, m_articleGrid->verticalHeader()->defaultSectionSize()));
        const int rows = step != 0 ? step * (shift ? 10 : 1) : key == Qt::Key_PageUp ? -page : key == Qt::Key_PageDown ? page : 0;
        if (rows != 0) {
            m_list.moveBy(rows);
            showList();
            return true;
        }
        if (key == Qt::Key_Right && m_list.current() && m_session->mode() != GuestEntrySession::Mode::Browse) {
            m_article->setText(m_list.current()->lNr);
            typedArticle(m_article->text());
            return true;
        }
        return false;
    }
    if (step == 0)
        return false;
    if (watched == m_kind) {
        stepKind(step);
        return true;
    }
    if (watched == m_pieces) {
        guarded([&] { m_session->stepPieces(-step); });
        return true;
    }
    if (watched == m_reason) {
        stepReason(step);
        return true;
    }
    return false;
}

void TNewGuestForm::enterIn(QObject* watched)
{
    if (watched == m_customer) {
        if (m_customer->text().trimmed().isEmpty())
            quickSearch();
        else
            leaveCustomerField();
        focusKind();
    } else if (watched == m_kind) {
        m_article->setFocus();
        m_article->selectAll();
    } else if (watched == m_article) {
        enterArticle();
    } else if (watched == m_text) {
        (m_reason->isVisible() ? m_reason : m_pieces)->setFocus();
    } else if (watched == m_reason) {
        if (m_reason->text().trimmed().isEmpty())
            chooseReason();
        m_pieces->setFocus();
        m_pieces->selectAll();
    } else if (watched == m_pieces) {
        if (m_session->mode() == GuestEntrySession::Mode::Insert)
            newLine();
        else
            saveLine();
    } else {
        focusNextChild();
    }
}

void TNewGuestForm::enterArticle()
{
    const OrderLine* line = m_session->currentLine();
    const bool text = line && m_session->isTextKind(line->va);
    if (!text && line && m_session->mode() != GuestEntrySession::Mode::Browse) {
        // The typed number when it names an article, else the article the list stands on.
        const QString typed = m_article->text().trimmed();
        const ArticleRecord* listed = m_list.current();
        if (listed && (typed.isEmpty() || !m_articles.ArticleExists(typed)))
            guarded([&] { m_session->takeArticle(listed->lNr); });
    }
    QLineEdit* next = text ? m_text : m_reason->isVisible() ? m_reason : m_pieces;
    next->setFocus();
    next->selectAll();
}

void TNewGuestForm::stepKind(int direction)
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        return;
    const auto& kinds = m_articles.kinds().kinds();
    if (kinds.empty())
        return;
    const QString current = m_kind->text().trimmed();
    int index = -1;
    for (int n = 0; n < static_cast<int>(kinds.size()); ++n) {
        if (kinds[static_cast<size_t>(n)].va == current)
            index = n;
    }
    index = index < 0 ? 0 : std::clamp(index + direction, 0, static_cast<int>(kinds.size()) - 1);
    typedKind(kinds[static_cast<size_t>(index)].va);
}

void TNewGuestForm::stepReason(int direction)
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        return;
    guarded([&] {
        if (const auto code = m_reasons.step(m_reason->text().trimmed(), direction))
            m_session->setReasonCode(*code);
    });
}

void TNewGuestForm::chooseReason()
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        return;
    const auto code = TUMTForm::choose(m_reasons, m_reason->text().trimmed(), this);
    if (code)
        guarded([&] { m_session->setReasonCode(*code); });
}

void TNewGuestForm::notAvailable()
{
    m_ui.information(NotAvailable::kText);
}

// ---------------------------------------------------------------- closing

void TNewGuestForm::done(int result)
{
    if (m_closed) {
        QDialog::done(result);
        return;
    }
    leaveCustomerField();
    bool closing = false;
    guarded([&] { closing = m_session->close(); });
    if (!closing)
        return;
    m_closed = true;
    storeGeometry();
    if (m_starAccount)
        m_starAccount->close();
    QDialog::done(result);
}

} // namespace korbelant
