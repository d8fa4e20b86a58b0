#pragma once

#include <QString>

namespace korbelant {

// The week texts of programs of old: a week key of five characters (year of two digits, week,
// and part-week, as 98521) or of six. The century is put in front of a short key: "19" when its
// first two characters are a number of 20 or more or no number, "20" when they are a smaller one.
class TakeOverWeek
{
public:
    // The week key MWoche of a source week text from a field of that width; empty for none.
    static QString mWoche(const QString& text, int sourceWidth);
    // The part-week of a DOS week text: its fifth character when it has exactly five; empty else.
    static QString tWoche(const QString& text);
};

} // namespace korbelant
