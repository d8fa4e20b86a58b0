#pragma once

#include <QMap>
#include <QString>

struct sqlite3;

namespace korbelant {

// The number of records of every table of a database, by table name. A backup copy is sound only
// when it holds as many records in every table as the data set had at the moment of the copy.
class RowCounts
{
public:
    using Counts = QMap<QString, qint64>;

    // Counts every table of the connection's main database; throws DatabaseError.
    static Counts of(sqlite3* db);
    // The first difference between the two, as a German sentence; empty when they agree.
    static QString difference(const Counts& expected, const Counts& found);
};

} // namespace korbelant
