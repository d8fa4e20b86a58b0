#pragma once

#include <QString>

namespace korbelant {

// Values for comparisons that search by text the user typed.
class SqlPattern
{
public:
    // The escape character of every LIKE pattern made here: LIKE ? ESCAPE '\'.
    static inline const QString kLikeEscape = QStringLiteral("ESCAPE '\\'");

    // A LIKE pattern that finds the text anywhere; '%', '_' and '\' in the text stand for
    // themselves.
    static QString containing(const QString& text);
    // The same for texts that begin with the given one.
    static QString beginningWith(const QString& text);
    // An upper bound that lets every text beginning with the prefix pass: the prefix followed by
    // the highest character there is. (A trailing character 255, as used of old, is the letter
    // "ÿ" in Unicode and would sort names such as "Mülz" above the bound "Mül".)
    static QString through(const QString& prefix);

private:
    static QString escaped(const QString& text);
};

} // namespace korbelant
