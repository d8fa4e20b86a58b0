#pragma once

#include "articles/ArticleRecord.h"
#include "articles/TransactionKind.h"

#include <QString>
#include <optional>

namespace korbelant {

class TArtikelModul;

// What the order-line rules need of the article module: an article and a kind by their codes,
// the valid-kind rule, and the two changes an order line makes to the catalogue (the own stock,
// and keeping an unknown article of a text line).
class LineCatalogue
{
public:
    using Article = ArticleRecord;
    using Kind = TransactionKind;

    explicit LineCatalogue(TArtikelModul& articles);

    std::optional<Article> article(const QString& lNr) const;
    std::optional<Kind> kind(const QString& va) const;
    bool isTextKind(const QString& va) const;
    bool kindValidForArticle(const QString& va, const QString& lNr) const;
    // The same rule for an article already read.
    bool kindValidFor(const QString& va, const Article& article) const;
    // Saves the article's stock; a failure is ignored (the line stays as it is).
    void storeStock(const QString& lNr, int bestand);
    // Keeps an article that a text line named for later use: not active, not new.
    void keepTextArticle(const QString& lNr, const QString& va, const QString& lText);

private:
    TArtikelModul& m_articles;
};

} // namespace korbelant
