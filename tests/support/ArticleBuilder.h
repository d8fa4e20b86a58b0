#pragma once

#include "support/RecordBuilder.h"

namespace korbelant::test {

// An article record put straight into Lager, past the article dialog's checks. The kind is "10"
// unless another is given; fields not given keep their table defaults (not active, no stock).
class ArticleBuilder : public RecordBuilder<ArticleBuilder>
{
public:
    explicit ArticleBuilder(const QString& number, const QString& kind = QStringLiteral("10"));

    ArticleBuilder& text(const QString& text);
    // The price, with the consultant's price (70 %), the service share (10 %) and the sample
    // price (50 %) that follow from it.
    ArticleBuilder& pricedAt(double price);
    ArticleBuilder& stars(int stars);
    ArticleBuilder& stock(int pieces);
};

} // namespace korbelant::test
