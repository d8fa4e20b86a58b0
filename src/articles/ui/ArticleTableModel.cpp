#include "articles/ui/ArticleTableModel.h"

#include "articles/TArtikelModul.h"
#include "core/GermanFormat.h"

#include <QBrush>

namespace korbelant {

ArticleTableModel::ArticleTableModel(TArtikelModul& modul, QObject* parent)
    : QAbstractTableModel(parent), m_modul(modul)
{
}

void ArticleTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

ArticleTableModel::Column ArticleTableModel::columnAt(int section) const
{
    if (!m_modul.rules().showSecondCurrency() && section >= SecondPrice)
        ++section;
    return static_cast<Column>(section);
}

int ArticleTableModel::columnOf(Column column) const
{
    if (m_modul.rules().showSecondCurrency() || column < SecondPrice)
        return column;
    return column == SecondPrice ? -1 : column - 1;
}

int ArticleTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_modul.recordCount();
}

int ArticleTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_modul.rules().showSecondCurrency() ? Status + 1 : Status;
}

QString ArticleTableModel::statusSymbol(int status)
{
    switch (static_cast<ArticleFieldRules::Status>(status)) {
    case ArticleFieldRules::Status::Stock:
        return QStringLiteral("■ Lager");
    case ArticleFieldRules::Status::New:
        return QStringLiteral("★ Neu");
    case ArticleFieldRules::Status::Removed:
        return QStringLiteral("✖ Entf.");
    case ArticleFieldRules::Status::Listed:
        return QStringLiteral("✔ BZH");
    case ArticleFieldRules::Status::None:
        break;
    }
    return {};
}

QVariant ArticleTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_modul.recordCount())
        return {};
    const ArticleRecord& r = m_modul.rows()[static_cast<size_t>(index.row())];
    const Column column = columnAt(index.column());
    if (role == Qt::TextAlignmentRole && column >= Price && column <= Stock)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case Kind:
        return r.va;
    case Number:
        return r.lNr;
    case OrderNumber:
        return r.zNr;
    case Text:
        return r.lText;
    case Price:
        return GermanFormat::number(r.preis, 2);
    case SecondPrice:
        return GermanFormat::number(m_modul.rules().secondCurrencyPrice(r.preis), 2);
    case Stars:
        return r.sterne;
    case Stock:
        return r.bestand;
    case Status:
        return statusSymbol(static_cast<int>(ArticleFieldRules::status(r)));
    }
    return {};
}

QString ArticleTableModel::title(Column column) const
{
    switch (column) {
    case Kind:
        return QStringLiteral("VA");
    case Number:
        return QStringLiteral("Artikel-Nr.");
    case OrderNumber:
        return QStringLiteral("Produkt-Nr");
    case Text:
        return QStringLiteral("Artikel-Bezeichnung");
    case Price:
        return QStringLiteral("Preis");
    case SecondPrice:
        return m_modul.rules().secondCurrencyTitle();
    case Stars:
        return QStringLiteral("Sterne");
    case Stock:
        return QStringLiteral("Bestand");
    case Status:
        return QStringLiteral("Status");
    }
    return {};
}

QVariant ArticleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString text = title(columnAt(section));
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::ForegroundRole && ArticleSortOrder::marksColumn(m_modul.sortOrder(), text))
        return QBrush(Qt::red);
    return {};
}

} // namespace korbelant
