#include "customers/ui/CustomerTableModel.h"

#include <QBrush>
#include <QColor>

namespace korbelant {

CustomerTableModel::CustomerTableModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

void CustomerTableModel::setRows(std::vector<CustomerRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const CustomerRow* CustomerTableModel::rowAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? &m_rows.at(row) : nullptr;
}

void CustomerTableModel::replaceRow(int row, CustomerRow customer)
{
    if (!rowAt(row))
        return;
    m_rows[static_cast<size_t>(row)] = std::move(customer);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CustomerTableModel::dropRow(int row)
{
    if (!rowAt(row))
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int CustomerTableModel::rowOf(const QString& number) const
{
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        if (m_rows.at(i).number == number)
            return i;
    }
    return -1;
}

void CustomerTableModel::setMarkedField(const QString& field)
{
    m_markedField = field;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int CustomerTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CustomerTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString CustomerTableModel::text(const CustomerRow& r, const QString& field)
{
    if (field == QStringLiteral("K_NR"))
        return r.number;
    if (field == QStringLiteral("NAME"))
        return r.name;
    if (field == QStringLiteral("VORNAME"))
        return r.firstName;
    if (field == QStringLiteral("STRASSE"))
        return r.street;
    if (field == QStringLiteral("PLZ"))
        return r.postcode;
    if (field == QStringLiteral("ORT"))
        return r.town;
    if (field == QStringLiteral("TELEFON"))
        return r.telephone;
    if (field == QStringLiteral("E-MAIL"))
        return r.email;
    return {};
}

QVariant CustomerTableModel::data(const QModelIndex& index, int role) const
{
    const CustomerRow* r = rowAt(index.row());
    if (!r || index.column() >= columnCount())
        return {};
    const Column& column = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return column.text ? column.text(*r) : text(*r, column.field);
    case Qt::BackgroundRole: {
        const QVariant colour = background(*r, false);
        return colour.isValid() ? QVariant(QBrush(colour.value<QColor>())) : QVariant();
    }
    case kSelectedBackgroundRole:
        return background(*r, true);
    case kPlanningMarkRole:
        return r->planningMark;
    default:
        return {};
    }
}

QVariant CustomerTableModel::background(const CustomerRow& r, bool selected) const
{
    if (r.planningMark <= 0)
        return {};
    if (m_colours == MarkColours::HostAndGuests && r.planningMark == 1)
        return selected ? QColor(Qt::red) : QColor(255, 170, 170);
    return selected ? QColor(0, 100, 0) : QColor(0, 255, 0);
}

QVariant CustomerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const Column& c = m_columns.at(section);
    if (role == Qt::DisplayRole)
        return c.title;
    if (role == Qt::ForegroundRole && !m_markedField.isEmpty() && c.field == m_markedField)
        return QBrush(Qt::red);
    return {};
}

} // namespace korbelant
