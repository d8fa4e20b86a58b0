#include "support/ArticleBuilder.h"

namespace korbelant::test {

ArticleBuilder::ArticleBuilder(const QString& number, const QString& kind)
    : RecordBuilder(QStringLiteral("Lager"))
{
    with(QStringLiteral("L_NR"), number);
    with(QStringLiteral("VA"), kind);
}

ArticleBuilder& ArticleBuilder::text(const QString& text)
{
    return with(QStringLiteral("L_TEXT"), text);
}

ArticleBuilder& ArticleBuilder::pricedAt(double price)
{
    return with({{QStringLiteral("PREIS"), price},
                 {QStringLiteral("BER_PREIS"), price * 0.7},
                 {QStringLiteral("VA38"), price * 0.1},
                 {QStringLiteral("MUSTER"), price * 0.5}});
}

ArticleBuilder& ArticleBuilder::stars(int stars)
{
    return with(QStringLiteral("STERNE"), stars);
}

ArticleBuilder& ArticleBuilder::stock(int pieces)
{
    return with(QStringLiteral("BESTAND"), pieces);
}

} // namespace korbelant::test
