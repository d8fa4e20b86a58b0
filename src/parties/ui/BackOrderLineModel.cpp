#include "parties/ui/BackOrderLineModel.h"

#include "core/GermanFormat.h"
#include "parties/BackOrderRules.h"

#include <QBrush>
#include <QColor>
#include <QStringList>

namespace korbelant {

namespace {

const QStringList kWindowTitles{
    QStringLiteral("Vorführ.-Nr."), QStringLiteral("Gast"),  QStringLiteral("Art.-Nr."), QStringLiteral("VA"),
    QStringLiteral("Artikel-Text"), QStringLiteral("Stück"), QStringLiteral("Status")};
const QStringList kEditTitles{QStringLiteral("Vorführ.- Nr."), QStringLiteral("Gast-Name"),
                              QStringLiteral("Artikel- Nr."),  QStringLiteral("Artikeltext"),
                              QStringLiteral("Stück (best.)"), QStringLiteral("Nachlief. (geliefert)"),
                              QStringLiteral("offene Posten")};

QString pieces(double value)
{
    return GermanFormat::number(value, 0);
}

} // namespace

BackOrderLineModel::BackOrderLineModel(Layout layout, QObject* parent)
    : QAbstractTableModel(parent), m_layout(layout)
{
}

void BackOrderLineModel::setRows(std::vector<BackOrderLine> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const BackOrderLine* BackOrderLineModel::rowAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? &m_rows.at(row) : nullptr;
}

void BackOrderLineModel::replace(int row, const BackOrderLine& line)
{
    if (!rowAt(row))
        return;
    m_rows.at(row) = line;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int BackOrderLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BackOrderLineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kWindowTitles.size());
}

QVariant BackOrderLineModel::windowText(const BackOrderLine& l, int column) const
{
    switch (column) {
    case 0:
        return l.key.rNr;
    case 1:
        return l.guestName();
    case 2:
        return l.lNr;
    case 3:
        return l.va;
    case 4:
        return l.lText;
    case 5:
        return pieces(l.stueck);
    default:
        return BackOrderRules::statusText(l.vorab, l.nachlief);
    }
}

QVariant BackOrderLineModel::editText(const BackOrderLine& l, int column) const
{
    switch (column) {
    case 0:
        return l.key.rNr;
    case 1:
        return BackOrderLine::addressLine(l.guest);
    case 2:
        return l.lNr;
    case 3:
        return l.lText;
    case 4:
        return pieces(l.stueck);
    case kDeliveredColumn:
        return l.naStuLi;
    default:
        return l.openPieces();
    }
}

QVariant BackOrderLineModel::stateColour(const QString& state)
{
    if (state == BackOrderRules::kBackOrdered)
        return QBrush(QColor(255, 200, 200));
    if (state == BackOrderRules::kDeliveredLater)
        return QBrush(QColor(200, 255, 200));
    if (state == BackOrderRules::kDone)
        return QBrush(QColor(200, 215, 255));
    return {};
}

QVariant BackOrderLineModel::data(const QModelIndex& index, int role) const
{
    const BackOrderLine* l = rowAt(index.row());
    if (!l || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_layout == Layout::Window ? windowText(*l, index.column()) : editText(*l, index.column());
    case Qt::BackgroundRole:
        return m_layout == Layout::Window ? stateColour(l->nachlief) : QVariant();
    case Qt::TextAlignmentRole:
        return (m_layout == Layout::Window ? index.column() == 5 : index.column() >= 4)
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

QVariant BackOrderLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_layout == Layout::Window ? kWindowTitles.at(section) : kEditTitles.at(section);
}

Qt::ItemFlags BackOrderLineModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_layout == Layout::Edit && index.column() == kDeliveredColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool BackOrderLineModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const BackOrderLine* l = rowAt(index.row());
    if (!l || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_store)
        return false;
    bool ok = false;
    const int delivered = value.toInt(&ok);
    if (!ok || !m_store(l->key, delivered))
        return false;
    BackOrderLine changed = *l;
    changed.naStuLi = delivered;
    replace(index.row(), changed);
    return true;
}

} // namespace korbelant
