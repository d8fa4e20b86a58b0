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
// table's storage forms, so widths and empty texts are kept as the table demands. A name that is
// no field of the table is refused with a DatabaseError.
class RecordStore
{
public:
    // Every record matching the condition (a WHERE clause with positional parameters), with the
    // fields of the definition that the stored table has.
    static std::vector<QVariantMap> select(Database& db, const TableDef& table, const QString& where,
                                           const QVariantList& params, const QString& orderBy = {});
    static std::optional<QVariantMap> selectOne(Database& db, const TableDef& table, const QString& where,
                                                const QVariantList& params);
    // Writes the fields of `values` (except the auto-increment field) into the records whose fields
    // equal `key`, which may name fields that `values` changes (a record given a new number).
    // Returns the number of changed records; 0 without anything to write.
    static int update(Database& db, const TableDef& table, const QVariantMap& values, const QVariantMap& key);
    // The same with the key taken from `values`: the key fields themselves are not written.
    static int update(Database& db, const TableDef& table, const QVariantMap& values,
                      const QStringList& keyFields);
};

} // namespace korbelant
