#include "parties/ui/GuestLineEditor.h"

#include "core/GermanFormat.h"
#include "parties/GuestArticleList.h"
#include "parties/GuestEntrySession.h"
#include "parties/ui/GuestLineModel.h"
#include "parties/ui/GuestWidgets.h"
#include "widgets/DatabaseGuard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QString textCaption(LineEntryKind::Text text)
{
    switch (text) {
    case LineEntryKind::Text::InfoText:
        return QStringLiteral("                     Info-Text: ");
    case LineEntryKind::Text::WishText:
        return QStringLiteral("Artikel-Text für Wunschartikel: ");
    case LineEntryKind::Text::ExchangeText:
        return QStringLiteral("Artikel-Text für Umtausch(Text): ");
    default:
        return QStringLiteral("Bezeichnung : ");
    }
}

} // namespace

GuestLineEditor::GuestLineEditor(GuestEntrySession& session, GuestArticleList& list, UiPort& ui,
                                 QWidget* parent)
    : QWidget(parent), m_session(session), m_list(list), m_ui(ui)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(buildLineFields());
    m_lineModel = new GuestLineModel(m_session, this);
    m_lineGrid = new QTableView;
    m_lineGrid->setModel(m_lineModel);
    GuestWidgets::prepareGrid(m_lineGrid, GuestLineModel::widestTexts());
    column->addWidget(m_lineGrid, 1);
    column->addWidget(buildLineButtons());
    connectFields();
}

QWidget* GuestLineEditor::buildLineFields()
{
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    m_mode = new QLabel;
    m_mode->setMinimumWidth(70);
    m_kind = GuestWidgets::lineEdit(2, 34);
    m_article = GuestWidgets::lineEdit(8, 80);
    m_textLabel = new QLabel(textCaption(LineEntryKind::Text::ArticleName));
    m_text = new QLineEdit;
    m_text->setMaxLength(40);
    m_reason = GuestWidgets::lineEdit(3, 44);
    m_reasonLabel = GuestWidgets::label(QStringLiteral("Fehl.-Code :"), m_reason);
    m_pieces = GuestWidgets::lineEdit(6, 50);
    m_advance = new QCheckBox(QStringLiteral("V&orab"));
    auto* up = new QPushButton(QStringLiteral("+"));
    auto* down = new QPushButton(QStringLiteral("-"));
    for (QPushButton* b : {up, down}) {
        b->setAutoDefault(false);
        b->setFixedWidth(24);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up, &QPushButton::clicked, this, [this] { stepPieces(+1); });
    connect(down, &QPushButton::clicked, this, [this] { stepPieces(-1); });
    auto* first = new QHBoxLayout;
    first->setSpacing(4);
    first->addWidget(m_mode);
    first->addWidget(GuestWidgets::label(QStringLiteral("VA"), m_kind));
    first->addWidget(m_kind);
    first->addSpacing(6);
    first->addWidget(GuestWidgets::label(QStringLiteral("Artikel-Nr."), m_article));
    first->addWidget(m_article);
    first->addSpacing(6);
    first->addWidget(m_reasonLabel);
    first->addWidget(m_reason);
    first->addWidget(GuestWidgets::label(QStringLiteral("Stück"), m_pieces));
    first->addWidget(m_pieces);
    first->addWidget(up);
    first->addWidget(down);
    first->addSpacing(6);
    first->addWidget(m_advance);
    first->addStretch();
    auto* second = new QHBoxLayout;
    second->setSpacing(4);
    second->addWidget(m_textLabel);
    second->addWidget(m_text, 1);
    m_betrag = new QLabel;
    m_menge = new QLabel;
    second->addSpacing(6);
    second->addWidget(new QLabel(QStringLiteral("Betrag :")));
    second->addWidget(m_betrag);
    second->addSpacing(6);
    second->addWidget(new QLabel(QStringLiteral("Gesamtmenge :")));
    second->addWidget(m_menge);
    grid->addLayout(first, 0, 0);
    grid->addLayout(second, 1, 0);
    return w;
}

QWidget* GuestLineEditor::buildLineButtons()
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    // Short captions; the full description is the button's hint.
    GuestWidgets::addButtons(row, this,
                             {{"Übernehmen", "Artikel übernehmen", [this] { saveLine(); }},
                              {"Zurück", "Änderungen zurücknehmen", [this] { resetLine(); }},
                              {"Anfügen", "Neuen Artikel an Bestellung anfügen", [this] { newLine(); }},
                              {"Bearbeiten", "Artikel bearbeiten", [this] { editLine(); }},
                              {"Entfernen", "Artikel aus Bestellung entfernen", [this] { deleteLine(); }}});
    row->addStretch();
    return w;
}

void GuestLineEditor::connectFields()
{
    connect(m_kind, &QLineEdit::textEdited, this, &GuestLineEditor::typedKind);
    connect(m_article, &QLineEdit::textEdited, this, &GuestLineEditor::typedArticle);
    connect(m_pieces, &QLineEdit::textEdited, this, &GuestLineEditor::typedPieces);
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_session.setText(t);
        m_lineModel->reload();
    });
    connect(m_reason, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_session.setReasonCode(t);
        m_lineModel->reload();
    });
    connect(m_advance, &QCheckBox::clicked, this,
            [this](bool on) { run([&] { m_session.setAdvance(on); }); });
    connect(m_lineGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) {
                if (m_showing || m_session.mode() != GuestEntrySession::Mode::Browse)
                    return;
                m_session.selectRow(index.row());
                const QScopedValueRollback<bool> showing(m_showing, true);
                showFields();
            });
    connect(m_lineGrid, &QTableView::doubleClicked, this, [this] { editLine(); });
}

QLineEdit* GuestLineEditor::field(LineEntryKind::Field field) const
{
    switch (field) {
    case LineEntryKind::Field::Text:
        return m_text;
    case LineEntryKind::Field::Reason:
        return m_reason;
    default:
        return m_pieces;
    }
}

void GuestLineEditor::run(const std::function<void()>& action)
{
    guardDatabase(m_ui, action);
    emit changed();
}

// ---------------------------------------------------------------- showing the state

void GuestLineEditor::showLines()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_lineModel->reload();
    GuestWidgets::selectRow(m_lineGrid, m_lineModel->currentRow());
    m_mode->setText(GuestEntrySession::modeText(m_session.mode()));
    m_betrag->setText(GermanFormat::number(m_session.betrag(), 2));
    m_menge->setText(GuestLineModel::piecesText(m_session.gesamtmenge()));
    showFields();
}

void GuestLineEditor::showFields()
{
    const OrderLine* line = m_session.currentLine();
    const OrderLine empty;
    const OrderLine& l = line ? *line : empty;
    const bool browsing = m_session.mode() == GuestEntrySession::Mode::Browse;
    const auto setIfIdle = [](QLineEdit* e, const QString& text) {
        if (!e->hasFocus() || e->isReadOnly() || e->text() != text)
            e->setText(text);
    };
    setIfIdle(m_kind, l.va);
    setIfIdle(m_article, l.lNr);
    setIfIdle(m_text, l.lText);
    setIfIdle(m_reason, l.fehlCode);
    const QString pieces = line ? GuestLineModel::piecesText(l.stueck) : QString();
    if (!m_pieces->hasFocus() ||
        GermanFormat::parseAmount(m_pieces->text()) != std::optional<double>(l.stueck))
        m_pieces->setText(pieces);
    for (QLineEdit* e : {m_kind, m_article, m_pieces, m_reason})
        e->setReadOnly(browsing);

    const LineEntryKind kind = m_session.entryKind();
    m_text->setReadOnly(browsing || !kind.isText());
    m_textLabel->setText(textCaption(kind.text()));
    m_reason->setVisible(kind.isExchange());
    m_reasonLabel->setVisible(kind.isExchange());
    m_advance->setVisible(!kind.isExchange());
    m_advance->setEnabled(!browsing);
    m_advance->setChecked(l.vorab == QStringLiteral("V"));
    emit textLineShown(kind.isText());
}

void GuestLineEditor::focusKind()
{
    m_kind->setFocus();
    m_kind->selectAll();
}

// ---------------------------------------------------------------- field entries

void GuestLineEditor::typedKind(const QString& text)
{
    run([&] {
        m_session.setKind(text);
        m_list.restrictToKind(text);
    });
}

void GuestLineEditor::typedArticle(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int caret = m_article->cursorPosition();
        m_article->setText(upper);
        m_article->setCursorPosition(caret);
    }
    run([&] {
        m_session.setArticleNumber(upper);
        m_list.positionOnPrefix(upper);
    });
}

void GuestLineEditor::typedPieces(const QString& text)
{
    if (const auto pieces = GermanFormat::parseAmount(text))
        run([&] { m_session.setPieces(*pieces); });
}

// ---------------------------------------------------------------- line actions

void GuestLineEditor::newLine()
{
    run([this] {
        if (m_session.newLine())
            focusKind();
    });
}

void GuestLineEditor::saveLine()
{
    run([this] { m_session.saveLine(); });
}

void GuestLineEditor::resetLine()
{
    run([this] { m_session.resetLine(); });
}

void GuestLineEditor::editLine()
{
    run([this] {
        if (m_session.editLine())
            focusKind();
    });
}

void GuestLineEditor::deleteLine()
{
    run([this] { m_session.deleteLine(); });
}

void GuestLineEditor::toggleAdvance()
{
    run([this] { m_session.toggleAdvance(); });
}

void GuestLineEditor::stepPieces(int delta)
{
    run([this, delta] { m_session.stepPieces(delta); });
}

} // namespace korbelant
