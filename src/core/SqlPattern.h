#pragma once

#include <QString>

namespace korbelant {

// Values for comparisons that search by text the user typed. In the LIKE patterns made here
// '%', '_' and '\' of the text stand for themselves; they are compared with like().
class SqlPattern
{
public:
    // The escape character of every pattern made here.
    static inline const QString kLikeEscape = QStringLiteral("ESCAPE '\\'");

    // "operand LIKE pattern ESCAPE '\'", the pattern being a parameter ("?", ":Text") or an
    // expression of one.
    static QString like(const QString& operand, const QString& pattern);
    static QString escape(const QString& text);
    // A pattern that finds the text anywhere.
    static QString containing(const QString& text);
    // A pattern for texts that begin with the given one.
    static QString beginningWith(const QString& text);
    // An upper bound that lets every text beginning with the prefix pass: the prefix followed by
    // the highest character there is. (A trailing character 255, as used of old, is the letter
    // "ÿ" in Unicode and would sort names such as "Mülz" above the bound "Mül".)
    static QString through(const QString& prefix);
};

} // namespace korbelant
