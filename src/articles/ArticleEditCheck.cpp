#include "articles/ArticleEditCheck.h"

#include "articles/ArticleFieldRules.h"
#include "articles/ArticleRecord.h"
#include "articles/KindTable.h"

namespace korbelant {

QString ArticleEditCheck::orderNumberTooShort(int minimum)
{
    return QStringLiteral("Die TW-Bestell-Nr. muss %1 Stellen lang sein").arg(minimum);
}

QString ArticleEditCheck::articleNumberTooShort(int minimum)
{
    return QStringLiteral("Die Artikel-Nr. muss %1 Stellen lang sein").arg(minimum);
}

QString ArticleEditCheck::orderNumberTooLong(int maximum)
{
    return QStringLiteral("Die TW-Bestell-Nr. darf höchstens %1 Stellen lang sein").arg(maximum);
}

QString ArticleEditCheck::articleNumberTooLong(int maximum)
{
    return QStringLiteral("Die Artikel-Nr. darf höchstens %1 Stellen lang sein").arg(maximum);
}

QStringList ArticleEditCheck::failures(const ArticleRecord& r, const KindTable& kinds,
                                       const ArticleFieldRules& rules)
{
    QStringList messages;
    if (!kinds.exists(r.va))
        messages << kInvalidKind;
    if (r.zNr.size() < rules.minLengthZNr())
        messages << orderNumberTooShort(rules.minLengthZNr());
    if (r.lNr.size() < rules.minLengthLNr())
        messages << articleNumberTooShort(rules.minLengthLNr());
    // The dialog's entries take no more than the maximum; text from elsewhere is refused
    // rather than cut.
    if (r.zNr.size() > rules.maxLengthZNr())
        messages << orderNumberTooLong(rules.maxLengthZNr());
    if (r.lNr.size() > rules.maxLengthLNr())
        messages << articleNumberTooLong(rules.maxLengthLNr());
    return messages;
}

} // namespace korbelant
