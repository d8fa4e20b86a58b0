#pragma once

#include "customers/CustomerRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

namespace korbelant {

// Customers as grid rows: the columns are named by their customer fields; the title of the column
// that belongs to the sort order is red, and customers with a planning mark have a bright green
// background.
class CustomerTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kPlanningMarkRole = Qt::UserRole + 1;
    // The background of a selected row of a marked customer; invalid for the others.
    static constexpr int kSelectedBackgroundRole = Qt::UserRole + 2;

    struct Column
    {
        QString field; // "K_NR", "NAME", …
        QString title;
        // The text of a column that shows more than its field; the field's text when empty.
        std::function<QString(const CustomerRow&)> text = {};
    };

    // How marked customers are painted: every mark green (the customer window), or the host
    // light red and the guests green (the planning window).
    enum class MarkColours
    {
        AnyMark,
        HostAndGuests
    };

    explicit CustomerTableModel(std::vector<Column> columns, QObject* parent = nullptr);

    void setRows(std::vector<CustomerRow> rows);
    const std::vector<CustomerRow>& rows() const { return m_rows; }
    const CustomerRow* rowAt(int row) const;
    int rowOf(const QString& number) const; // -1 when not shown
    // One customer changed or left the list; the other rows stay as they are.
    void replaceRow(int row, CustomerRow customer);
    void dropRow(int row);
    void setMarkedField(const QString& field);
    void setMarkColours(MarkColours colours) { m_colours = colours; }
    QString fieldOf(int column) const { return m_columns.at(column).field; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static QString text(const CustomerRow& row, const QString& field);
    QVariant background(const CustomerRow& row, bool selected) const;

    std::vector<Column> m_columns;
    std::vector<CustomerRow> m_rows;
    QString m_markedField;
    MarkColours m_colours = MarkColours::AnyMark;
};

} // namespace korbelant
