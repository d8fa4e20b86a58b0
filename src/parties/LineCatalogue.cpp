#include "parties/LineCatalogue.h"

#include "articles/TArtikelModul.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/LagerFields.h"
#include "core/RecordStore.h"

namespace korbelant {

LineCatalogue::LineCatalogue(TArtikelModul& articles) : m_articles(articles) {}

std::optional<LineCatalogue::Article> LineCatalogue::article(const QString& lNr) const
{
    if (!m_articles.ArticleExists(lNr))
        return std::nullopt;
    return m_articles.foundArticle();
}

std::optional<LineCatalogue::Kind> LineCatalogue::kind(const QString& va) const
{
    const TransactionKind* found = m_articles.kinds().find(va.trimmed());
    if (!found)
        return std::nullopt;
    return *found;
}

bool LineCatalogue::isTextKind(const QString& va) const
{
    return m_articles.IsTextKind(va.trimmed());
}

bool LineCatalogue::kindValidForArticle(const QString& va, const QString& lNr) const
{
    return m_articles.KindValidForArticle(va.trimmed(), lNr);
}

bool LineCatalogue::kindValidFor(const QString& va, const Article& article) const
{
    return m_articles.KindValidForArticle(va.trimmed(), article);
}

void LineCatalogue::storeStock(const QString& lNr, int bestand)
{
    try {
        RecordStore::update(m_articles.database(), LagerFields::table(), {{LagerFields::BESTAND, bestand}},
                            QVariantMap{{LagerFields::L_NR, lNr}});
    } catch (const DatabaseError&) {
        // The stock of the article record stays as it was; the line is kept.
    }
}

void LineCatalogue::keepTextArticle(const QString& lNr, const QString& va, const QString& lText)
{
    using L = LagerFields;
    m_articles.database().insert(
        L::table(), {{L::L_NR, lNr}, {L::VA, va}, {L::L_TEXT, lText}, {L::AKTIV, false}, {L::NEU, false}});
}

} // namespace korbelant
