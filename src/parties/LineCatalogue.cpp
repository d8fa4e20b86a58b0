#include "parties/LineCatalogue.h"

#include "articles/TArtikelModul.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"

namespace korbelant {

LineCatalogue::LineCatalogue(TArtikelModul& articles) : m_articles(articles)
{
}

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

void LineCatalogue::storeStock(const QString& lNr, int bestand)
{
    try {
        m_articles.database().run(QStringLiteral("UPDATE Lager SET BESTAND = ? WHERE L_NR = ?"), {bestand, lNr});
    } catch (const DatabaseError&) {
        // The stock of the article record stays as it was; the line is kept.
    }
}

void LineCatalogue::keepTextArticle(const QString& lNr, const QString& va, const QString& lText)
{
    m_articles.database().insert(Schema::get(QStringLiteral("Lager")),
                                 {{QStringLiteral("L_NR"), lNr}, {QStringLiteral("VA"), va}, {QStringLiteral("L_TEXT"), lText},
                                  {QStringLiteral("AKTIV"), false}, {QStringLiteral("NEU"), false}});
}

} // namespace korbelant
