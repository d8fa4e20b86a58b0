#include "statistics/CustomerStatisticSort.h"

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
    {"Umsatz", "Umsatz DESC", "Umsatz", "umsatz"},
    {"Sterne", "Sterne DESC", "Sterne", "sterne"},
    {"Umsatz/Vorführung", "AVUmsatz DESC", "VUmsatz", "vorfuehrung"},
    {"Umsatz als Gastgeb.", "GastGUmsatz DESC", "GastGUmsatz", "gastgeber"},
};

const Entry& entry(CustomerStatisticSort::Key key)
{
    return kEntries[static_cast<int>(key)];
}

} // namespace

QStringList CustomerStatisticSort::labels()
{
    QStringList list;
    for (const Entry& e : kEntries)
        list << QString::fromUtf8(e.label);
    return list;
}

QString CustomerStatisticSort::label(Key key)
{
    return QString::fromUtf8(entry(key).label);
}

QString CustomerStatisticSort::orderBy(Key key)
{
    return QStringLiteral(" ORDER BY ") + QString::fromLatin1(entry(key).orderBy) +
           QStringLiteral(", t.K_NR");
}

QString CustomerStatisticSort::markedColumn(Key key)
{
    return QString::fromLatin1(entry(key).marked);
}

std::optional<CustomerStatisticSort::Key> CustomerStatisticSort::fromWord(const QString& word)
{
    for (int i = 0; i < 4; ++i) {
        if (word.compare(QString::fromLatin1(kEntries[i].word), Qt::CaseInsensitive) == 0)
            return static_cast<Key>(i);
    }
    return std::nullopt;
}

} // namespace korbelant
