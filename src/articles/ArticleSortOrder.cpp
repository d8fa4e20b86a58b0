#include "articles/ArticleSortOrder.h"

#include "core/Schema.h"

namespace korbelant {

QStringList ArticleSortOrder::choices()
{
    return {choiceName(ByNumber), choiceName(ByText), choiceName(ByStars), choiceName(ByPrice)};
}

namespace {

// What each order is called in the choice box, which named index it uses (none for the primary
// key) and which grid column title it marks.
struct OrderNames
{
    const char* choice;
    const char* index;
    const char* columnTitle;
};

OrderNames namesOf(ArticleSortOrder::Order order)
{
    switch (order) {
    case ArticleSortOrder::ByText:
        return {"Artikelbezeichnung", "ArtikelIndex", "Artikel-Bezeichnung"};
    case ArticleSortOrder::ByStars:
        return {"Sterne", "SterneIndex", "Sterne"};
    case ArticleSortOrder::ByPrice:
        return {"Preis", "PREISIndex", "Preis"};
    case ArticleSortOrder::ByKind:
        return {"VA", "VAIndex", "VA"};
    case ArticleSortOrder::ByNumber:
        break;
    }
    return {"Artikelnummer", "", "Artikel-Nr."};
}

} // namespace

QString ArticleSortOrder::choiceName(Order order)
{
    return QString::fromUtf8(namesOf(order).choice);
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
    return QString::fromUtf8(namesOf(order).index);
}

QString ArticleSortOrder::columnTitle(Order order)
{
    return QString::fromUtf8(namesOf(order).columnTitle);
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
