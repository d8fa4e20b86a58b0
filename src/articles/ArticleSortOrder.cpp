#include "articles/ArticleSortOrder.h"

#include "core/Schema.h"

namespace korbelant {

QStringList ArticleSortOrder::choices()
{
    return {choiceName(ByNumber), choiceName(ByText), choiceName(ByStars), choiceName(ByPrice)};
}

QString ArticleSortOrder::choiceName(Order order)
{
    switch (order) {
    case ByText:
        return QStringLiteral("Artikelbezeichnung");
    case ByStars:
        return QStringLiteral("Sterne");
    case ByPrice:
        return QStringLiteral("Preis");
    case ByKind:
        return QStringLiteral("VA");
    case ByNumber:
        break;
    }
    return QStringLiteral("Artikelnummer");
}

ArticleSortOrder::Order ArticleSortOrder::fromChoice(const QString& name)
{
    for (Order order : {ByNumber, ByText, ByStars, ByPrice, ByKind}) {
        if (choiceName(order).compare(name, Qt::CaseInsensitive) == 0)
            return order;
    }
    return ByNumber;
}

QString ArticleSortOrder::indexName(Order order)
{
    switch (order) {
    case ByText:
        return QStringLiteral("ArtikelIndex");
    case ByStars:
        return QStringLiteral("SterneIndex");
    case ByPrice:
        return QStringLiteral("PREISIndex");
    case ByKind:
        return QStringLiteral("VAIndex");
    case ByNumber:
        break;
    }
    return {};
}

QString ArticleSortOrder::columnTitle(Order order)
{
    switch (order) {
    case ByText:
        return QStringLiteral("Artikel-Bezeichnung");
    case ByStars:
        return QStringLiteral("Sterne");
    case ByPrice:
        return QStringLiteral("Preis");
    case ByKind:
        return QStringLiteral("VA");
    case ByNumber:
        break;
    }
    return QStringLiteral("Artikel-Nr.");
}

bool ArticleSortOrder::marksColumn(Order order, const QString& title)
{
    return columnTitle(order).compare(title, Qt::CaseInsensitive) == 0;
}

QString ArticleSortOrder::orderBy(Order order)
{
    const TableDef& lager = Schema::get(QStringLiteral("Lager"));
    const QString index = indexName(order);
    if (index.isEmpty())
        return lager.orderBy(QString());
    QString terms = lager.orderBy(index);
    if (order == ByText)
        terms += QStringLiteral(", \"L_NR\"");
    return terms;
}

QString ArticleSortOrder::searchField(Order order)
{
    switch (order) {
    case ByText:
        return QStringLiteral("L_TEXT");
    case ByStars:
        return QStringLiteral("STERNE");
    case ByPrice:
        return QStringLiteral("PREIS");
    case ByKind:
        return QStringLiteral("VA");
    case ByNumber:
        break;
    }
    return QStringLiteral("L_NR");
}

QString ArticleSortOrder::searchLabel(Order order)
{
    QString label = columnTitle(order);
    if (label.size() > 10)
        label = label.left(10) + QLatin1Char('.');
    return label + QStringLiteral(" :");
}

} // namespace korbelant
