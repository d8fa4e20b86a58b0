#include "customers/ui/TOrteForm.h"

#include "customers/TClientDataModul.h"
#include "widgets/GridSearch.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

enum Column
{
    PostcodeColumn,
    TownColumn,
    AreaCodeColumn
};

} // namespace

TOrteForm::TOrteForm(TClientDataModul& store, Place::Order order, QWidget* parent,
                     std::optional<std::vector<Place>> only)
    : QDialog(parent), m_store(store), m_order(order)
{
    setObjectName(QStringLiteral("TOrteForm"));
    setWindowTitle(order == Place::Order::Postcode ? kByPostcodeTitle : kByTownTitle);
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* label = new QLabel(order == Place::Order::Postcode ? QStringLiteral("Postleitzahl :")
                                                             : QStringLiteral("Ortsname :"),
                             this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("SearchEdit"));
    label->setBuddy(m_search);
    searchRow->addWidget(label);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);

    m_grid = new QTableWidget(0, 3, this);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Plz"), QStringLiteral("Ortsname"), QStringLiteral("Vorwahl")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_grid, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(buttons);

    fill(only ? *only : store.places(order));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] {
        if (currentPlace())
            accept();
    });
    connect(m_grid, &QTableWidget::cellChanged, this, [this](int row, int) { cellEdited(row); });
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString& text) {
        GridSearch::moveToPrefix(m_grid, m_order == Place::Order::Postcode ? PostcodeColumn : TownColumn,
                                 text);
    });
    resize(420, 420);
}

std::optional<Place> TOrteForm::choose(TClientDataModul& store, Place::Order order, QWidget* parent,
                                       std::optional<std::vector<Place>> only)
{
    TOrteForm form(store, order, parent, std::move(only));
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.currentPlace();
}

void TOrteForm::fill(const std::vector<Place>& places)
{
    m_filling = true;
    m_places = places;
    m_grid->setRowCount(0);
    for (const Place& p : places) {
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        setRow(row, p);
    }
    m_filling = false;
    addAppendRow();
    if (!places.empty())
        m_grid->setCurrentCell(0, 0);
}

void TOrteForm::addAppendRow()
{
    m_filling = true;
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    setRow(row, {});
    m_filling = false;
}

void TOrteForm::setRow(int row, const Place& place)
{
    const bool old = m_filling;
    m_filling = true;
    m_grid->setItem(row, PostcodeColumn, new QTableWidgetItem(place.postcode));
    m_grid->setItem(row, TownColumn, new QTableWidgetItem(place.town));
    m_grid->setItem(row, AreaCodeColumn, new QTableWidgetItem(place.areaCode));
    m_filling = old;
}

Place TOrteForm::rowPlace(int row) const
{
    auto cell = [&](int column) {
        return m_grid->item(row, column) ? m_grid->item(row, column)->text().trimmed() : QString();
    };
    return {cell(PostcodeColumn), cell(TownColumn), cell(AreaCodeColumn)};
}

void TOrteForm::cellEdited(int row)
{
    if (m_filling)
        return;
    const Place edited = rowPlace(row);
    if (isAppendRow(row)) {
        if (edited.postcode.isEmpty() || edited.town.isEmpty())
            return; // the new place is not complete yet
        if (m_store.savePlace(edited)) {
            m_places.push_back(edited);
            addAppendRow();
        } else {
            setRow(row, {});
        }
        return;
    }
    if (edited.postcode.isEmpty() || edited.town.isEmpty() || !m_store.savePlace(edited, m_places.at(row))) {
        setRow(row, m_places.at(row)); // the entry is cancelled
        return;
    }
    m_places.at(row) = edited;
}

std::optional<Place> TOrteForm::currentPlace() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || isAppendRow(row))
        return std::nullopt;
    return m_places.at(row);
}

} // namespace korbelant
