#pragma once

#include <QAbstractTableModel>

namespace korbelant {

class GuestArticleList;

// The article list of the guest window: kind, numbers, text, price, stars, stock and status.
class GuestArticleModel : public QAbstractTableModel
{
public:
    enum Column
    {
        Kind,
        Number,
        OrderNumber,
        Text,
        Price,
        Stars,
        Stock,
        Status,
        ColumnCount
    };

    explicit GuestArticleModel(GuestArticleList& list, QObject* parent = nullptr);

    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GuestArticleList& m_list;
};

} // namespace korbelant
