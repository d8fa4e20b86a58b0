#pragma once

#include "parties/PartyList.h"

#include <QAbstractTableModel>
#include <vector>

namespace korbelant {

// The party list of the party window: number, date, week, part-week, turnover, commission and
// the mark of a party reported to the distributor.
class PartyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PartyTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setParties(std::vector<PartyList::Party> parties);
    const std::vector<PartyList::Party>& parties() const { return m_parties; }
    // Shows a party's new values in its row.
    void replace(int row, PartyList::Party party);
    // The row of a party number, -1 when not listed.
    int rowOf(const QString& rNr) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<PartyList::Party> m_parties;
};

} // namespace korbelant
