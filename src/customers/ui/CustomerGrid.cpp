#include "customers/ui/CustomerGrid.h"

#include "customers/CustomerRowSearch.h"
#include "customers/ui/PlanningMarkDelegate.h"
#include "widgets/GridColumns.h"
#include "widgets/TClientSearch.h"

#include <QHeaderView>
#include <QLineEdit>

namespace korbelant {

CustomerGrid::CustomerGrid(std::vector<CustomerTableModel::Column> columns, QWidget* parent)
    : QTableView(parent), m_model(new CustomerTableModel(std::move(columns), this))
{
    setModel(m_model);
    setItemDelegate(new PlanningMarkDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSortOrder(CustomerSort::Order::Name);
}

void CustomerGrid::setRows(std::vector<CustomerRow> rows, const QString& keepNumber)
{
    m_model->setRows(std::move(rows));
    // Each column as wide as its title and the texts it shows, none cut to fit the window.
    GridColumns::fitToContents(this);
    const int keep = keepNumber.isEmpty() ? -1 : m_model->rowOf(keepNumber);
    moveTo(keep < 0 ? 0 : keep);
}

void CustomerGrid::changeCurrent(const std::function<void(CustomerRow&)>& change)
{
    const int row = currentIndex().row();
    const CustomerRow* shown = m_model->rowAt(row);
    if (!shown)
        return;
    CustomerRow changed = *shown;
    change(changed);
    m_model->replaceRow(row, std::move(changed));
    GridColumns::widenToFit(this, row);
}

void CustomerGrid::dropCurrent()
{
    const int row = currentIndex().row();
    m_model->dropRow(row);
    moveTo(row);
}

void CustomerGrid::setSortOrder(CustomerSort::Order order)
{
    m_order = order;
    m_model->setMarkedField(CustomerSort::markedColumn(order));
}

const CustomerRow* CustomerGrid::current() const
{
    return m_model->rowAt(currentIndex().row());
}

QString CustomerGrid::currentNumber() const
{
    const CustomerRow* r = current();
    return r ? r->number : QString();
}

void CustomerGrid::moveTo(int row)
{
    if (m_model->rowCount() == 0)
        return;
    const QModelIndex index = m_model->index(std::clamp(row, 0, m_model->rowCount() - 1), 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void CustomerGrid::step(int rows)
{
    moveTo(currentIndex().row() + rows);
}

void CustomerGrid::search(const QString& title, const QString& firstText)
{
    TClientSearch dialog(
        title, CustomerRowSearch::fieldLabel(m_order),
        [this](const QString& entry) {
            const int row = CustomerRowSearch::find(m_model->rows(), m_order, entry);
            if (row >= 0)
                moveTo(row);
        },
        [this](int rows) { step(rows); }, this);
    if (!firstText.isEmpty()) {
        dialog.entry()->setText(firstText);
        emit dialog.entry()->textEdited(firstText);
    }
    dialog.exec();
}

} // namespace korbelant
