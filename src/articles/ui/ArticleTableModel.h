#pragma once

#include <QAbstractTableModel>

namespace korbelant {

class TArtikelModul;

// The grid of the article window over the module's catalogue view: kind, numbers, text, price,
// the second-currency price when the options ask for it, stars, stock and the status symbol.
// The title of the column of the current order is red.
class ArticleTableModel : public QAbstractTableModel
{
public:
    enum Column
    {
        Kind,
        Number,
        OrderNumber,
        Text,
        Price,
        SecondPrice,
        Stars,
        Stock,
        Status
    };

    explicit ArticleTableModel(TArtikelModul& modul, QObject* parent = nullptr);

    // Call after every change of the module's view.
    void reload();
    // The model column of a logical column; -1 when it is not shown.
    int columnOf(Column column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString statusSymbol(int status);

private:
    Column columnAt(int section) const;
    QString title(Column column) const;

    TArtikelModul& m_modul;
};

} // namespace korbelant
