#include "statistics/BestSellerSort.h"

namespace korbelant {

namespace {

struct Entry
{
    const char* label;
    const char* orderBy;
    const char* marked;
    const char* word;
};

const Entry kEntries[] = {
    {"Artikel-Nr. + VA", " ORDER BY L_NR, VA", "L_NR", "artikel"},
    {"Menge", " ORDER BY Stueck DESC, L_NR, VA", "STUECK", "menge"},
    {"Gesamtumsatz", " ORDER BY SUMME DESC, L_NR, VA", "SUMME", "umsatz"},
    {"Sterne", " ORDER BY Sterne DESC, L_NR, VA", "Sterne", "sterne"},
};

} // namespace

QStringList BestSellerSort::labels()
{
    QStringList list;
    for (const Entry& e : kEntries)
        list << QString::fromUtf8(e.label);
    return list;
}

QString BestSellerSort::label(Key key)
{
    return QString::fromUtf8(kEntries[static_cast<int>(key)].label);
}

QString BestSellerSort::orderBy(Key key)
{
    return QString::fromLatin1(kEntries[static_cast<int>(key)].orderBy);
}

QString BestSellerSort::markedColumn(Key key)
{
    return QString::fromLatin1(kEntries[static_cast<int>(key)].marked);
}

std::optional<BestSellerSort::Key> BestSellerSort::fromWord(const QString& word)
{
    for (int i = 0; i < 4; ++i) {
        if (word.compare(QString::fromLatin1(kEntries[i].word), Qt::CaseInsensitive) == 0)
            return static_cast<Key>(i);
    }
    return std::nullopt;
}

} // namespace korbelant
