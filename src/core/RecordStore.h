#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
struct TableDef;

// Reading and writing whole records of a table as maps from field name to value. Values come back
// in their program form (QDate, QTime, bool, double, integer, text) and go in through the
// table's storage forms, so widths and empty texts are kept as the table demands.
class RecordStore
{
public:
    // Every record matching the condition (a WHERE clause with positional parameters).
    static std::vector<QVariantMap> select(Database& db, const TableDef& table, const QString& where, const QVariantList& params,
                                           const QString& orderBy = {});
    static std::optional<QVariantMap> selectOne(Database& db, const TableDef& table, const QString& where, const QVariantList& params);
    // Writes the fields of `values` (except the auto-increment field) into the records matching
    // the key fields, whose values are taken from `values`. Returns the number of changed records.
    static int update(Database& db, const TableDef& table, const QVariantMap& values, const QStringList& keyFields);
};

} // namespace korbelant
