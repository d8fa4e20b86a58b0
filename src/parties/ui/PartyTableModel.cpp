#include "parties/ui/PartyTableModel.h"

#include "core/GermanFormat.h"
#include "core/WeekKey.h"

#include <QApplication>
#include <QStyle>

namespace korbelant {

namespace {

enum Column
{
    Number,
    Date,
    Week,
    PartWeek,
    Turnover,
    Commission,
    Status,
    ColumnCount
};

const char* const kCaptions[ColumnCount] = {"Vorfü.Nr.", "Datum",     "Woche", "Nr",
                                            "Umsatz",    "Provision", "Status"};

} // namespace

void PartyTableModel::setParties(std::vector<PartyList::Party> parties)
{
    beginResetModel();
    m_parties = std::move(parties);
    endResetModel();
}

void PartyTableModel::replace(int row, PartyList::Party party)
{
    if (row < 0 || row >= rowCount())
        return;
    m_parties[static_cast<std::size_t>(row)] = std::move(party);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int PartyTableModel::rowOf(const QString& rNr) const
{
    for (std::size_t i = 0; i < m_parties.size(); ++i) {
        if (m_parties[i].rNr == rNr)
            return static_cast<int>(i);
    }
    return -1;
}

int PartyTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_parties.size());
}

int PartyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PartyTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PartyList::Party& p = m_parties[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Number:
            return p.rNr;
        case Date:
            return GermanFormat::date(p.datum);
        case Week:
            return WeekKey::displayWeek(p.mWoche);
        case PartWeek:
            return p.tWoche;
        case Turnover:
            return GermanFormat::money(p.umsatz);
        case Commission:
            return GermanFormat::money(p.provision);
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == Status && p.erstellt)
        return QApplication::style()->standardIcon(QStyle::SP_DriveFDIcon);
    if (role == Qt::ToolTipRole && index.column() == Status && p.erstellt)
        return QStringLiteral("Übertragen");
    if (role == Qt::TextAlignmentRole && (index.column() == Turnover || index.column() == Commission))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PartyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromUtf8(kCaptions[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace korbelant
