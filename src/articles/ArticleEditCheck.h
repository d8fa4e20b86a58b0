#pragma once

#include <QStringList>

namespace korbelant {

class ArticleFieldRules;
class KindTable;
struct ArticleRecord;

// The checks of the article dialog's "&Ok", in their order. Every failing check gives its
// message; the article is stored only when none fails.
class ArticleEditCheck
{
public:
    static inline const QString kInvalidKind = QStringLiteral("Die gewählte VA ist ungültig !");
    static inline const QString kDuplicate = QStringLiteral("Die gewählte Artikelnummer ist schon vorhanden");
    static QString orderNumberTooShort(int minimum);
    static QString articleNumberTooShort(int minimum);
    static QString orderNumberTooLong(int maximum);
    static QString articleNumberTooLong(int maximum);

    // The messages of the failing checks, in order; empty when the article may be stored.
    static QStringList failures(const ArticleRecord& r, const KindTable& kinds,
                                const ArticleFieldRules& rules);
};

} // namespace korbelant
