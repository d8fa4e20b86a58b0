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
#include "parties/ui/TSternekonto.h"
#include "parties/ui/TUMTForm.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/NotAvailable.h"
#include "widgets/TMaskedDateEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QString kAskAppend = QStringLiteral("Wollen Sie einen neuen Artikel anfügen ?");

} // namespace

TNewGuestForm::TNewGuestForm(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers,
                             Options& options, UiPort& ui, const QString& rNr, const QString& pNr,
                             QWidget* parent)
    : QDialog(parent), m_party(party), m_articles(articles), m_customers(customers), m_options(options),
      m_ui(ui), m_session(std::make_unique<GuestEntrySession>(party, customers, rNr, pNr)),
      m_list(articles, options), m_geometry(GuestWindowGeometry::load(options.path())), m_reasons(party.db())
{
    setWindowTitle(QStringLiteral("Bestelleingabe Vorführung ") + rNr);
    m_list.restrictToKind(options.text(QStringLiteral("vorgabe_va")));
    m_list.refresh();
    build();
    applyGeometry();
    m_session->startLineIfEmpty();
    showAll();
    focusFirstField();
}

QString TNewGuestForm::run(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers,
                           Options& options, UiPort& ui, const QString& rNr, const QString& pNr,
                           QWidget* fallbackParent)
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

void TNewGuestForm::guarded(const std::function<void()>& action)
{
    guardDatabase(m_ui, action);
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
    m_participantPanel = new GuestParticipantPanel(*m_session, m_ui);
    layout->addWidget(m_participantPanel);
    m_lineEditor = new GuestLineEditor(*m_session, m_list, m_ui);
    layout->addWidget(m_lineEditor, 1);
    m_articlePanel = new GuestArticlePanel(m_list, m_ui);
    layout->addWidget(m_articlePanel);
    connectParticipantPanel();
    connectArticlePanel();
    connect(m_lineEditor, &GuestLineEditor::changed, this, &TNewGuestForm::showAll);
    connect(m_lineEditor, &GuestLineEditor::textLineShown, this,
            [this](bool textLine) { m_articlePanel->letterTabs()->setVisible(!textLine); });
    installFilters();
}

void TNewGuestForm::connectParticipantPanel()
{
    GuestParticipantPanel* panel = m_participantPanel;
    connect(panel, &GuestParticipantPanel::newCustomerClicked, this, &TNewGuestForm::newCustomer);
    connect(panel, &GuestParticipantPanel::unknownCustomerClicked, this, &TNewGuestForm::unknownCustomer);
    connect(panel, &GuestParticipantPanel::editCustomerClicked, this, &TNewGuestForm::editCustomer);
    connect(panel, &GuestParticipantPanel::searchClicked, this, &TNewGuestForm::quickSearch);
    connect(panel, &GuestParticipantPanel::previousClicked, this, [this] { moveParticipant(-1); });
    connect(panel, &GuestParticipantPanel::nextClicked, this, [this] { moveParticipant(+1); });
    connect(panel, &GuestParticipantPanel::newGuestClicked, this, &TNewGuestForm::newParticipant);
    connect(panel, &GuestParticipantPanel::starAccountClicked, this, &TNewGuestForm::showStarAccount);
}

void TNewGuestForm::connectArticlePanel()
{
    GuestArticlePanel* panel = m_articlePanel;
    connect(panel, &GuestArticlePanel::changed, this, &TNewGuestForm::showAll);
    connect(panel, &GuestArticlePanel::tabClicked, this, &TNewGuestForm::tabChosen);
    connect(panel, &GuestArticlePanel::searchClicked, this, &TNewGuestForm::articleSearch);
    connect(panel, &GuestArticlePanel::sparePartsClicked, this, &TNewGuestForm::spareParts);
    connect(panel, &GuestArticlePanel::kindsClicked, this, &TNewGuestForm::kindChooser);
    connect(panel, &GuestArticlePanel::listHeightStepped, this, &TNewGuestForm::stepListHeight);
    connect(panel, &GuestArticlePanel::standardSizeClicked, this, &TNewGuestForm::standardSize);
    connect(panel, &GuestArticlePanel::takeArticleChosen, this, &TNewGuestForm::takeListArticle);
    connect(panel, &GuestArticlePanel::articleDoubleClicked, this, &TNewGuestForm::listDoubleClicked);
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
    showListHeight();
}

// Both lists grow with the window: the article list by half of what it grows beyond the standard
// height, the order lines by the rest.
void TNewGuestForm::showListHeight()
{
    m_articlePanel->setListHeight(m_geometry.shownList(height()));
}

// The layout has placed the parts for the new size before this runs; with the list's new height it
// places them again at once.
void TNewGuestForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_articlePanel)
        return;
    showListHeight();
    layout()->activate();
}

void TNewGuestForm::storeGeometry()
{
    m_geometry.width = width();
    m_geometry.height = height();
    m_geometry.left = x();
    m_geometry.top = y();
    if (!m_geometry.save(m_options.path()))
        m_ui.warning(QStringLiteral("Die Fenstergröße konnte nicht in ") + m_options.path() +
                     QStringLiteral(" gespeichert werden."));
}

void TNewGuestForm::stepListHeight(int direction)
{
    m_geometry.list = GuestWindowGeometry::stepList(m_geometry.list, direction, m_lineEditor->height());
    showListHeight();
}

void TNewGuestForm::standardSize()
{
    m_geometry.setStandard();
    applyGeometry();
}

// ---------------------------------------------------------------- showing the state

void TNewGuestForm::showAll()
{
    m_participantPanel->showParticipant();
    m_lineEditor->showLines();
    m_articlePanel->showList();
}

void TNewGuestForm::focusEntry(QLineEdit* edit)
{
    edit->setFocus();
    edit->selectAll();
}

void TNewGuestForm::escape()
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        reject();
    else
        m_lineEditor->resetLine();
}

// ---------------------------------------------------------------- participants

void TNewGuestForm::afterParticipantChange()
{
    m_session->startLineIfEmpty();
    showAll();
    focusFirstField();
}

// The host and a guest with a customer start with the kind, a guest without one with her customer.
void TNewGuestForm::focusFirstField()
{
    if (m_session->isHost() || !m_session->participant().value(QStringLiteral("K_NR")).toString().isEmpty())
        m_lineEditor->focusKind();
    else
        customerEdit()->setFocus();
}

void TNewGuestForm::moveParticipant(int step)
{
    m_participantPanel->leaveCustomerField();
    bool moved = false;
    guarded([&] { moved = step < 0 ? m_session->previousParticipant() : m_session->nextParticipant(); });
    if (moved)
        afterParticipantChange();
}

void TNewGuestForm::newParticipant()
{
    m_participantPanel->leaveCustomerField();
    bool added = false;
    guarded([&] { added = m_session->newParticipant(); });
    if (added) {
        afterParticipantChange();
        customerEdit()->setFocus();
    }
}

void TNewGuestForm::newCustomer()
{
    if (m_session->isHost())
        return;
    if (const auto kNr = TClientNewForm::createNew(m_customers, TClientNewForm::kDefaultTitle, this))
        m_session->setCustomer(*kNr);
    m_participantPanel->showParticipant();
}

void TNewGuestForm::unknownCustomer()
{
    if (m_session->isHost())
        return;
    m_session->setUnknownCustomer();
    m_participantPanel->showParticipant();
}

void TNewGuestForm::editCustomer()
{
    auto record = m_session->customer();
    if (!record || m_session->isHost())
        return;
    TClientNewForm::edit(m_customers, *record, false, QStringLiteral("Kundendaten des Gast bearbeiten"),
                         this);
    m_participantPanel->showParticipant();
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
    m_participantPanel->showParticipant();
}

void TNewGuestForm::showStarAccount()
{
    if (!m_starAccount)
        m_starAccount = new TSternekonto(
            m_party, [this] { recomputeParty(); }, this);
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
    m_articlePanel->showSwitches();
    if (chosen)
        takeChosen(chooser.choice()->lNr, chooser.choice()->va);
    showAll();
}

void TNewGuestForm::spareParts()
{
    const OrderLine* line = m_session->currentLine();
    const QString product = line ? line->lNr : articleEdit()->text();
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
    m_lineEditor->typedKind(chooser.chosen());
    articleEdit()->setFocus();
}

void TNewGuestForm::tabChosen(int index)
{
    if (index < 0 || index >= GuestArticlePanel::kTabs.size())
        return;
    const QChar c = GuestArticlePanel::kTabs.at(index);
    if (m_session->mode() == GuestEntrySession::Mode::Browse) {
        m_list.positionOnPrefix(QString(c));
        m_articlePanel->showList();
        return;
    }
    const QString number = c.isDigit() ? articleEdit()->text() + c : QString(c);
    articleEdit()->setText(number);
    m_lineEditor->typedArticle(number);
    articleEdit()->setFocus();
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
    case Qt::Key_Down:
        m_lineEditor->newLine();
        return true;
    case Qt::Key_L:
        m_lineEditor->deleteLine();
        return true;
    case Qt::Key_B:
        m_lineEditor->editLine();
        return true;
    case Qt::Key_S:
        articleSearch();
        return true;
    case Qt::Key_A:
        kindChooser();
        return true;
    case Qt::Key_Z:
        spareParts();
        return true;
    case Qt::Key_O:
        m_lineEditor->toggleAdvance();
        return true;
    case Qt::Key_E:
        notAvailable();
        return true;
    case Qt::Key_Right:
        moveParticipant(+1);
        return true;
    case Qt::Key_Left:
        moveParticipant(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Udiaeresis:
        m_lineEditor->saveLine();
        return true;
    default:
        return false;
    }
}

bool TNewGuestForm::handleCtrlKey(int key)
{
    switch (key) {
    case Qt::Key_N:
        newCustomer();
        return true;
    case Qt::Key_U:
        unknownCustomer();
        return true;
    case Qt::Key_B:
        editCustomer();
        return true;
    case Qt::Key_S:
        quickSearch();
        return true;
    case Qt::Key_D:
        m_participantPanel->pickDate(QStringLiteral("Verabred_DATUM"));
        return true;
    case Qt::Key_T:
        m_participantPanel->pickDate(QStringLiteral("BENE_DATUM"));
        return true;
    default:
        return false;
    }
}

bool TNewGuestForm::handleFieldKey(QObject* watched, QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        enterIn(watched);
        return true;
    }
    if (watched == articleEdit())
        return handleArticleKey(key, event->modifiers().testFlag(Qt::ShiftModifier));
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? +1 : 0;
    if (step == 0)
        return false;
    if (watched == kindEdit()) {
        stepKind(step);
        return true;
    }
    if (watched == piecesEdit()) {
        m_lineEditor->stepPieces(-step);
        return true;
    }
    if (watched == reasonEdit()) {
        stepReason(step);
        return true;
    }
    return false;
}

// Up and Down (ten rows with Shift), Page Up and Page Down move the list; Right copies its number.
bool TNewGuestForm::handleArticleKey(int key, bool shift)
{
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? +1 : 0;
    const int page = m_articlePanel->pageRows();
    const int rows = step != 0                 ? step * (shift ? 10 : 1)
                     : key == Qt::Key_PageUp   ? -page
                     : key == Qt::Key_PageDown ? page
                                               : 0;
    if (rows != 0) {
        m_list.moveBy(rows);
        m_articlePanel->showList();
        return true;
    }
    if (key == Qt::Key_Right && m_list.current() && m_session->mode() != GuestEntrySession::Mode::Browse) {
        articleEdit()->setText(m_list.current()->lNr);
        m_lineEditor->typedArticle(articleEdit()->text());
        return true;
    }
    return false;
}

void TNewGuestForm::enterIn(QObject* watched)
{
    if (watched == customerEdit()) {
        if (customerEdit()->text().trimmed().isEmpty())
            quickSearch();
        else
            m_participantPanel->leaveCustomerField();
        m_lineEditor->focusKind();
    } else if (watched == kindEdit()) {
        focusEntry(articleEdit());
    } else if (watched == articleEdit()) {
        enterArticle();
    } else if (watched == textEdit()) {
        m_lineEditor->field(m_session->entryKind().afterText())->setFocus();
    } else if (watched == reasonEdit()) {
        if (reasonEdit()->text().trimmed().isEmpty())
            chooseReason();
        focusEntry(piecesEdit());
    } else if (watched == piecesEdit()) {
        if (m_session->mode() == GuestEntrySession::Mode::Insert)
            m_lineEditor->newLine();
        else
            m_lineEditor->saveLine();
    } else {
        focusNextChild();
    }
}

void TNewGuestForm::enterArticle()
{
    const QString typed = articleEdit()->text();
    const QString listed = m_list.current() ? m_list.current()->lNr : QString();
    auto next = m_session->entryKind().afterArticle();
    guarded([&] { next = m_session->enterArticle(typed, listed, m_articles); });
    focusEntry(m_lineEditor->field(next));
}

void TNewGuestForm::stepKind(int direction)
{
    guarded([&] {
        if (const auto va = m_session->stepKind(m_articles.kinds(), direction))
            m_list.restrictToKind(*va);
    });
}

void TNewGuestForm::stepReason(int direction)
{
    guarded([&] { m_session->stepReason(m_reasons, direction); });
}

void TNewGuestForm::chooseReason()
{
    if (m_session->mode() == GuestEntrySession::Mode::Browse)
        return;
    const auto code = TUMTForm::choose(m_reasons, m_ui, reasonEdit()->text().trimmed(), this);
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
    m_participantPanel->leaveCustomerField();
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
