#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// The orders of the catalogue view: the four of the window's "Sortierung nach :" and the kind
// order a caller of the chooser switches to afterwards.
class ArticleSortOrder
{
public:
    enum Order
    {
        ByNumber,
        ByText,
        ByStars,
        ByPrice,
        ByKind
    };

    // "Artikelnummer", "Artikelbezeichnung", "Sterne", "Preis" in the order of the choice box.
    static QStringList choices();
    static QString choiceName(Order order);
    // The order of a choice box entry; ByNumber for an unknown text.
    static Order fromChoice(const QString& name);
    // The named index behind the order; empty for the primary key.
    static QString indexName(Order order);
    // The grid title that is shown red while this order is active.
    static QString columnTitle(Order order);
    // Whether a grid column title marks the order (compared without regard to case).
    static bool marksColumn(Order order, const QString& title);
    // The ORDER BY terms of the order on Lager (ties broken by article number).
    static QString orderBy(Order order);
    // The field the incremental search works on: the first field of the order's index.
    static QString searchField(Order order);
    // The label of the search dialog: the field's display label, cut to ten characters and a
    // "." when longer, then " :".
    static QString searchLabel(Order order);
};

} // namespace korbelant
