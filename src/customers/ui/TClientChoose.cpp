#include "customers/ui/TClientChoose.h"

#include "core/UiPort.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TClientNewForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const CustomerSort::Order kOrders[] = {CustomerSort::Order::Name, CustomerSort::Order::Number,
                                       CustomerSort::Order::Postcode, CustomerSort::Order::TownStreet};

} // namespace

TClientChoose::TClientChoose(TClientDataModul& store, CustomerEditor editor, QWidget* parent)
    : QDialog(parent), m_store(store), m_editor(std::move(editor))
{
    setObjectName(QStringLiteral("TClientChoose"));
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_sortBox = new QComboBox(this);
    m_sortBox->addItems({QStringLiteral("Name + Vorname"), QStringLiteral("Kundennummer"),
                         QStringLiteral("Postleitzahl"), QStringLiteral("Ort")});
    top->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), this));
    top->addWidget(m_sortBox);
    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    top->addWidget(search);
    top->addStretch();
    layout->addLayout(top);
    m_grid = new CustomerGrid({{QStringLiteral("K_NR"), QStringLiteral("K.-Nr.")},
                               {QStringLiteral("NAME"), QStringLiteral("Name")},
                               {QStringLiteral("VORNAME"), QStringLiteral("Vorname")},
                               {QStringLiteral("PLZ"), QStringLiteral("Plz")},
                               {QStringLiteral("ORT"), QStringLiteral("Ort")},
                               {QStringLiteral("STRASSE"), QStringLiteral("Straße")}},
                              this);
    layout->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_newButton = new QPushButton(QStringLiteral("&Neuer Kunde"), this);
    for (QPushButton* b : {search, ok, cancel, m_newButton})
        b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_newButton);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_newButton, &QPushButton::clicked, this, &TClientChoose::newCustomer);
    connect(search, &QPushButton::clicked, this, [this] { m_grid->search(QStringLiteral("Kunde suchen")); });
    connect(m_grid, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_sortBox, &QComboBox::currentIndexChanged, this, &TClientChoose::applySort);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        CustomerSort::Order order{};
        if (!CustomerSort::forColumn(m_grid->customers()->fieldOf(column), order))
            return;
        for (int i = 0; i < 4; ++i) {
            if (kOrders[i] == order)
                m_sortBox->setCurrentIndex(i);
        }
    });
    m_grid->installEventFilter(this);
    refresh();
    resize(640, 480);
}

std::optional<TClientChoose::Choice> TClientChoose::choose(TClientDataModul& store, CustomerEditor editor,
                                                           const QString& title, bool withNewButton,
                                                           QWidget* parent)
{
    TClientChoose form(store, std::move(editor), parent);
    form.setWindowTitle(title.isEmpty() ? kTitle : title);
    form.setNewButtonVisible(withNewButton);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.chosen();
}

void TClientChoose::setNewButtonVisible(bool visible)
{
    m_newButton->setVisible(visible);
}

void TClientChoose::applySort(int index)
{
    m_grid->setSortOrder(kOrders[std::clamp(index, 0, 3)]);
    refresh(m_grid->currentNumber());
}

void TClientChoose::refresh(const QString& keepNumber)
{
    m_grid->setRows(
        CustomerView::readRows(m_store.db(), SqlCondition(), CustomerSort::orderBy(m_grid->sortOrder())),
        keepNumber);
}

std::optional<TClientChoose::Choice> TClientChoose::chosen() const
{
    const CustomerRow* r = m_grid->current();
    if (!r)
        return std::nullopt;
    return Choice{r->number, r->name, r->firstName};
}

void TClientChoose::newCustomer()
{
    const std::optional<QString> number = TClientNewForm::createNew(m_store, m_editor, kNewTitle);
    if (!number)
        return;
    refresh(*number);
    accept();
}

bool TClientChoose::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
        // Any other typed character opens the search with it.
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            m_grid->search(QStringLiteral("Kunde suchen"), key->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
