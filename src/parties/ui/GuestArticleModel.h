#pragma once

#include <QAbstractTableModel>
#include <QStringList>

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
    // The widest texts each column shows (several one a line), to size the columns by; empty for
    // the article text.
    static QStringList widestTexts();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GuestArticleList& m_list;
};

} // namespace korbelant
