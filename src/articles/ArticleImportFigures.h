#pragma once

#include <QString>

namespace korbelant {

// What the article import shows while it runs and at its end.
struct ArticleImportFigures
{
    static inline const QString kUnreadable = QStringLiteral("nicht lesbar");

    int read = 0;                            // rows taken from the source, stored or not
    int matched = 0;                         // catalogue articles found again
    int removed = 0;                         // articles newly missing from the distributor's list
    int before = 0;                          // articles in the catalogue before the import
    int after = 0;                           // and after it
    QString created = kUnreadable;           // creation date of the article file
    QString version = QStringLiteral("1.0"); // version of the interface
    QString state;
    bool failed = false; // a row was dropped or a step failed

    int added() const { return read - matched; }
};

} // namespace korbelant
