#pragma once

#include "parties/BackOrderLine.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace korbelant {

// Order lines of the back-order windows as grid rows. The back-order window shows party, guest,
// article, kind, text, pieces and status text, rows coloured by state ("J" red, "B" green, "E"
// blue); the edit window shows the open pieces and lets the delivered pieces be entered, which
// the store function keeps (it returns false when the rules refuse the entry).
class BackOrderLineModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Layout
    {
        Window,
        Edit
    };
    using DeliveredStore = std::function<bool(const BackOrderKey& key, int pieces)>;

    static constexpr int kDeliveredColumn = 5; // of the edit layout

    explicit BackOrderLineModel(Layout layout, QObject* parent = nullptr);

    void setRows(std::vector<BackOrderLine> rows);
    void setDeliveredStore(DeliveredStore store) { m_store = std::move(store); }
    const BackOrderLine* rowAt(int row) const;
    // Replaces a row with the line as now stored.
    void replace(int row, const BackOrderLine& line);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant windowText(const BackOrderLine& line, int column) const;
    QVariant editText(const BackOrderLine& line, int column) const;
    static QVariant stateColour(const QString& state);

    Layout m_layout;
    std::vector<BackOrderLine> m_rows;
    DeliveredStore m_store;
};

} // namespace korbelant
