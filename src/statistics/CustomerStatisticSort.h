#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korbelant {

// The orders of the customer statistics ("Sortierung nach :") with the column each one marks.
class CustomerStatisticSort
{
public:
    enum class Key
    {
        Umsatz,
        Sterne,
        UmsatzProVorfuehrung,
        UmsatzAlsGastgeber
    };

    // The box's entries in the order of Key: "Umsatz", "Sterne", "Umsatz/Vorführung", …
    static QStringList labels();
    static QString label(Key key);
    // The ORDER BY of the customer query; equal values by customer number.
    static QString orderBy(Key key);
    // The column whose title is shown red: Umsatz, Sterne, VUmsatz, GastGUmsatz.
    static QString markedColumn(Key key);
    // The word of the command line: umsatz, sterne, vorfuehrung, gastgeber.
    static std::optional<Key> fromWord(const QString& word);
};

} // namespace korbelant
