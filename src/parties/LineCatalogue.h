#pragma once

#include <QString>
#include <optional>

namespace korbelant {

class Database;

// What the order-line rules need of the catalogue and the transaction kinds: looking up an
// article and a kind, the valid-kind rule, the own stock and keeping an unknown text article.
class LineCatalogue
{
public:
    struct Article
    {
        QString lNr;
        QString zNr;
        int sterne = 0;
        QString va;
        QString lText;
        double preis = 0;
        double va38 = 0;
        double muster = 0;
        double berPreis = 0;
        int bestand = 0;
    };

    struct Kind
    {
        QString va;
        QString vaQuelle;
        double ekFaktor = 0;
        double vkFaktor = 0;
        double sterneFakt = 0;
        double sterneDmFa = 0;
        double umsSternFa = 0;
        QString vaArt;
        QString muster;

        bool isText() const { return vaArt == QStringLiteral("TE"); }
    };

    explicit LineCatalogue(Database& db);

    std::optional<Article> article(const QString& lNr) const;
    std::optional<Kind> kind(const QString& va) const;
    bool isTextKind(const QString& va) const;
    // The kind exists, the article exists, and the kind has no source kind, or is the article's
    // own kind, or its source kind is the article's kind.
    bool kindValidForArticle(const QString& va, const QString& lNr) const;
    // Saves the article's stock; a failure is ignored (the line stays as it is).
    void storeStock(const QString& lNr, int bestand);
    // Keeps an article that a text line named for later use: not active, not new.
    void keepTextArticle(const QString& lNr, const QString& va, const QString& lText);

private:
    Database& m_db;
};

} // namespace korbelant
