#pragma once

#include "customers/CustomerRow.h"
#include "customers/CustomerSort.h"
#include "customers/ui/CustomerTableModel.h"

#include <QTableView>
#include <functional>

namespace korbelant {

// The read-only customer grid of the customer window and the customer picker: rows of the
// model, the sort column in red, marked customers green, and the incremental search.
class CustomerGrid : public QTableView
{
    Q_OBJECT

public:
    CustomerGrid(std::vector<CustomerTableModel::Column> columns, QWidget* parent = nullptr);

    CustomerTableModel* customers() const { return m_model; }
    // New rows; the current row stays on the given customer when she is shown, else the first.
    void setRows(std::vector<CustomerRow> rows, const QString& keepNumber = {});
    // The current customer as changed by the caller, in her place: for a change that neither moves
    // her in the sort order nor takes her out of the filter. Her cells widen their columns as needed.
    void changeCurrent(const std::function<void(CustomerRow&)>& change);
    // The current customer leaves the list; the one after her becomes current.
    void dropCurrent();
    void setSortOrder(CustomerSort::Order order);
    CustomerSort::Order sortOrder() const { return m_order; }
    const CustomerRow* current() const;
    QString currentNumber() const;
    void moveTo(int row);
    void step(int rows);
    // "&Suchen": the search dialog on the first field of the sort order; the caller waits.
    void search(const QString& title, const QString& firstText = {});

private:
    CustomerTableModel* m_model = nullptr;
    CustomerSort::Order m_order = CustomerSort::Order::Name;
};

} // namespace korbelant
