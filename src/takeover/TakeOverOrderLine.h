#pragma once

#include <QString>
#include <QVariantMap>

namespace korbelant {

class KindTable;
class TakeOverSource;

// An order line of another program as an order line of the party taken over, priced with the
// factors of its transaction kind when the kind is known. The programs differ in their field
// names and in whether their price is the line's total or the price of one piece.
class TakeOverOrderLine
{
public:
    struct Fields
    {
        QString article; // product number; its first blank is removed
        QString number;  // the article's own number
        QString text;
        QString stars;
        QString pieces;
        QString kind;
        QString price;
        bool priceIsTotal = false;
    };

    // The line of the source's current record for participant `pNr` of the stored header.
    static QVariantMap line(const TakeOverSource& source, const Fields& fields, const QVariantMap& header,
                            const QString& pNr, const KindTable& kinds);
};

} // namespace korbelant
