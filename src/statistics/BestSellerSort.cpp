#include "statistics/BestSellerSort.h"

namespace korbelant {

namespace {

struct Entry
{
    const char* label;
    double BestSeller::*measure;
    const char* marked;
    const char* word;
};

const Entry kEntries[] = {
    {"Artikel-Nr. + VA", nullptr, "L_NR", "artikel"},
    {"Menge", &BestSeller::Stueck, "STUECK", "menge"},
    {"Gesamtumsatz", &BestSeller::SUMME, "SUMME", "umsatz"},
    {"Sterne", &BestSeller::Sterne, "Sterne", "sterne"},
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

double BestSeller::*BestSellerSort::measure(Key key)
{
    return kEntries[static_cast<int>(key)].measure;
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
