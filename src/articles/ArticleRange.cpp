#include "articles/ArticleRange.h"

#include "articles/ArticleFieldRules.h"

namespace korbelant {

QString ArticleRange::effectiveEnd(const QString& end)
{
    const QString trimmed = ArticleFieldRules::normaliseNumber(end);
    if (trimmed.isEmpty())
        return kHighest;
    if (trimmed.size() < 8)
        return trimmed + kHighest;
    return trimmed;
}

QString ArticleRange::effectiveStart(const QString& start)
{
    return ArticleFieldRules::normaliseNumber(start);
}

} // namespace korbelant
