#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class KindTable;
class TakeOverSource;

// An order line of a KALMO party (a record of GBVFPR.DBF) as an order line of the party taken
// over, priced with the factors of its transaction kind. KALMO keeps the line's total in Preis.
class KalmoOrderLine
{
public:
    // An article number of eight underscores marks a line without article.
    static inline const QString kNoArticle = QStringLiteral("________");

    // Whether the line belongs to the takeover at all: an article number other than kNoArticle.
    static bool hasArticle(const TakeOverSource& source);
    // The order line for the party header; nullopt for a line not taken over (state KZ other than
    // "00", "30", "33", "36", or no PRDNR).
    static std::optional<QVariantMap> line(const TakeOverSource& source, const QVariantMap& header,
                                           const KindTable& kinds);
};

} // namespace korbelant
