#pragma once

#include <QString>
#include <vector>

namespace korbelant {

class Database;

// The full-text search in the article texts ("Volltextsuche in Artikeldatei"). The entry is a
// piece of text, never a pattern: "%", "_" and quotes in it are matched as they are.
class ArticleTextSearch
{
public:
    struct Hit
    {
        QString lNr;
        QString va;
        QString lText;
    };

    explicit ArticleTextSearch(Database& db);
    // Articles whose text contains the entry, by article number; ignoring case (umlauts too)
    // or exactly as typed.
    std::vector<Hit> search(const QString& entry, bool ignoreCase) const;

private:
    Database& m_db;
};

} // namespace korbelant
