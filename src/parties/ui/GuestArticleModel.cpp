#include "parties/ui/GuestArticleModel.h"

#include "articles/ArticleFieldRules.h"
#include "articles/ui/ArticleTableModel.h"
#include "core/GermanFormat.h"
#include "parties/GuestArticleList.h"

namespace korbelant {

namespace {

const char* const kTitles[] = {"VA", "L-Nr", "Z-Nr", "Artikel", "Preis", "Sterne", "Bestand", "Status"};

// Every status symbol, one a line.
QString statusSymbols()
{
    using Status = ArticleFieldRules::Status;
    QStringList symbols;
    for (const Status s : {Status::Stock, Status::New, Status::Removed, Status::Listed})
        symbols << ArticleTableModel::statusSymbol(static_cast<int>(s));
    return symbols.join(QLatin1Char('\n'));
}

} // namespace

GuestArticleModel::GuestArticleModel(GuestArticleList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void GuestArticleModel::reload()
{
    beginResetModel();
    endResetModel();
}

QStringList GuestArticleModel::widestTexts()
{
    return {QStringLiteral("00"),
            QStringLiteral("00000000"),
            QStringLiteral("00000000"),
            QString(),
            GermanFormat::number(9999.99, 2),
            QStringLiteral("999"),
            QStringLiteral("9999"),
            statusSymbols()};
}

int GuestArticleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.rows().size());
}

int GuestArticleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GuestArticleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() >= Price && index.column() <= Stock)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const ArticleRecord& a = m_list.rows()[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case Kind:
        return a.va;
    case Number:
        return a.lNr;
    case OrderNumber:
        return a.zNr;
    case Text:
        return a.lText;
    case Price:
        return GermanFormat::number(a.preis, 2);
    case Stars:
        return a.sterne;
    case Stock:
        return a.bestand;
    case Status:
        return ArticleTableModel::statusSymbol(static_cast<int>(ArticleFieldRules::status(a)));
    default:
        return {};
    }
}

QVariant GuestArticleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(kTitles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace korbelant
