#pragma once

#include <QString>

namespace korbelant {

// The range of the dialog "Welche Artikel ?": from an article number up to another, where an
// end shorter than eight characters reaches every number that begins with it.
class ArticleRange
{
public:
    static inline const QString kHighest = QStringLiteral("ZZZZZZZZ");

    // The end as the list uses it: empty -> "ZZZZZZZZ"; shorter than 8 after trimming ->
    // the end followed by "ZZZZZZZZ".
    static QString effectiveEnd(const QString& end);
    static QString effectiveStart(const QString& start);
};

} // namespace korbelant
