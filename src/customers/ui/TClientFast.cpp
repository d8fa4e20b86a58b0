#include "customers/ui/TClientFast.h"

#include "core/UiPort.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientNewForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using Field = CustomerQuickSearch::Field;

const char* const kColumnFields[] = {"K_NR", "NAME", "VORNAME", "PLZ", "ORT", "STRASSE"};

QPushButton* button(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false); // Enter is handled by the fields' own rules
    return b;
}

} // namespace

TClientFast::TClientFast(TClientDataModul& store, CustomerEditor editor, QWidget* parent)
    : QDialog(parent), m_store(store), m_editor(std::move(editor)), m_search(store.db())
{
    setObjectName(QStringLiteral("TClientFast"));
    setWindowTitle(QStringLiteral("Kundenschnellsuche"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    m_name = new QLineEdit(this);
    m_firstName = new QLineEdit(this);
    m_postcode = new QLineEdit(this);
    m_town = new QLineEdit(this);
    fields->addRow(QStringLiteral("Name :"), m_name);
    fields->addRow(QStringLiteral("&Vorname :"), m_firstName);
    fields->addRow(QStringLiteral("&Plz :"), m_postcode);
    fields->addRow(QStringLiteral("&Ort :"), m_town);
    layout->addLayout(fields);

    m_letters = new QTabBar(this);
    for (char c = 'A'; c <= 'Z'; ++c)
        m_letters->addTab(QString(QLatin1Char(c)));
    m_letters->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_letters);

    m_grid = new QTableWidget(0, 6, this);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("K.-Nr."), QStringLiteral("Name"),
                                       QStringLiteral("Vorname"), QStringLiteral("Plz"),
                                       QStringLiteral("Ort"), QStringLiteral("Straße")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    layout->addWidget(m_grid, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = button(QStringLiteral("&Ok"), this);
    QPushButton* cancel = button(QStringLiteral("&Abbrechen"), this);
    QPushButton* create = button(QStringLiteral("&Neuer Kunde"), this);
    QPushButton* edit = button(QStringLiteral("&Bearbeiten    "), this);
    for (QPushButton* b : {ok, cancel, create, edit})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(create, &QPushButton::clicked, this, &TClientFast::newCustomer);
    connect(edit, &QPushButton::clicked, this, &TClientFast::editCustomer);
    connect(m_letters, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0)
            return;
        m_name->setText(m_letters->tabText(index));
        typed(m_name, Field::Name, m_name->text());
        m_name->setFocus();
    });
    for (auto [edit, field] : {std::pair{m_name, Field::Name}, std::pair{m_firstName, Field::FirstName},
                               std::pair{m_postcode, Field::Postcode}, std::pair{m_town, Field::Town}}) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, edit, field](const QString& text) { typed(edit, field, text); });
        edit->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        CustomerSort::Order order{};
        if (CustomerSort::forColumn(QString::fromLatin1(kColumnFields[column]), order)) {
            m_search.setSortOrder(order);
            refresh(chosenNumber());
        }
    });
    refresh();
    resize(640, 480);
}

void TClientFast::typed(QLineEdit* edit, Field field, const QString& text)
{
    // The first letter typed into an empty name or first name becomes a capital.
    if ((field == Field::Name || field == Field::FirstName) && text.size() == 1 && text.at(0).isLower()) {
        edit->setText(text.toUpper());
        m_search.typed(field, edit->text());
    } else {
        m_search.typed(field, text);
    }
    refresh();
}

void TClientFast::refresh(const QString& keepNumber)
{
    m_rows = m_search.rows();
    m_grid->setRowCount(static_cast<int>(m_rows.size()));
    int keep = 0;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const CustomerRow& r = m_rows.at(row);
        const QString cells[] = {r.number, r.name, r.firstName, r.postcode, r.town, r.street};
        for (int column = 0; column < 6; ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(cells[column]));
        if (r.number == keepNumber)
            keep = row;
    }
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(keep, 0);
}

QString TClientFast::chosenNumber() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows.at(row).number : QString();
}

Field TClientFast::fieldOf(QObject* widget) const
{
    if (widget == m_firstName)
        return Field::FirstName;
    if (widget == m_postcode)
        return Field::Postcode;
    if (widget == m_town)
        return Field::Town;
    if (widget == m_grid)
        return Field::Grid;
    return Field::Name;
}

void TClientFast::enter(Field field)
{
    switch (m_search.enter(field)) {
    case CustomerQuickSearch::EnterAction::Accept:
        if (!chosenNumber().isEmpty())
            accept();
        break;
    case CustomerQuickSearch::EnterAction::MoveToPostcode:
        m_postcode->setFocus();
        break;
    case CustomerQuickSearch::EnterAction::MoveToGrid:
        m_grid->setFocus();
        break;
    case CustomerQuickSearch::EnterAction::CreateNew:
        newCustomer();
        break;
    case CustomerQuickSearch::EnterAction::NextField:
        focusNextChild();
        break;
    }
}

void TClientFast::moveRows(int rows)
{
    if (m_grid->rowCount() == 0)
        return;
    const int row = std::clamp(m_grid->currentRow() + rows, 0, m_grid->rowCount() - 1);
    m_grid->setCurrentCell(row, 0);
}

void TClientFast::highlightPlaceFields(bool on)
{
    const QString bright = QStringLiteral("background-color: #ffffc0;");
    const QString dim = QStringLiteral("color: gray;");
    for (QLineEdit* e : {m_postcode, m_town})
        e->setStyleSheet(on ? bright : QString());
    for (QLineEdit* e : {m_name, m_firstName})
        e->setStyleSheet(on ? dim : QString());
}

bool TClientFast::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched != m_grid)
        highlightPlaceFields(watched == m_postcode || watched == m_town);
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        enter(fieldOf(watched));
        return true;
    }
    if (watched == m_firstName) {
        const int step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        const int page = std::max(1, m_grid->viewport()->height() /
                                         std::max(1, m_grid->verticalHeader()->defaultSectionSize()));
        switch (key->key()) {
        case Qt::Key_Up:
            moveRows(-step);
            return true;
        case Qt::Key_Down:
            moveRows(step);
            return true;
        case Qt::Key_PageUp:
            moveRows(-page);
            return true;
        case Qt::Key_PageDown:
            moveRows(page);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TClientFast::newCustomer()
{
    // The new customer starts with what has been typed into the search fields.
    TClientDataModul::Record entries;
    entries.insert(QStringLiteral("NAME"), m_name->text());
    entries.insert(QStringLiteral("VORNAME"), m_firstName->text());
    entries.insert(QStringLiteral("PLZ"), m_postcode->text());
    entries.insert(QStringLiteral("ORT"), m_town->text());
    const std::optional<QString> number = TClientNewForm::createNew(m_store, m_editor, kNewTitle, entries);
    if (!number)
        return; // cancelled: nothing is stored
    if (const auto stored = m_store.load(*number)) {
        m_name->setText(stored->value(QStringLiteral("NAME")).toString());
        m_firstName->setText(stored->value(QStringLiteral("VORNAME")).toString());
    }
    m_search.typed(Field::Name, m_name->text());
    m_search.typed(Field::FirstName, m_firstName->text());
    refresh(*number);
    if (chosenNumber() == *number)
        accept();
}

void TClientFast::editCustomer()
{
    const QString number = chosenNumber();
    if (number.isEmpty() || !m_editor)
        return;
    auto record = m_store.load(number);
    if (record && m_editor(*record, false, kEditTitle))
        refresh(number);
}

} // namespace korbelant
