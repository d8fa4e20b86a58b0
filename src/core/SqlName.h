#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// Quoting of identifiers and literals for the SQL that the store generates from definitions.
// Values given by the user are always bound as parameters, never quoted into SQL.
class SqlName
{
public:
    static QString quote(const QString& identifier);
    static QString literal(const QString& text);
    static QString quoteList(const QStringList& identifiers);
};

} // namespace korbelant
