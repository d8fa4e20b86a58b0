#pragma once

#include "core/FieldDef.h"
#include "core/IndexDef.h"

#include <QStringList>
#include <vector>

namespace korbelant {

// The complete definition of one table of the data set.
struct TableDef
{
    QString name;           // SQL table name: the file name of old without extension
    QString languageDriver; // "intl" (code page 437) or "ANSIINTL" (code page 1252)
    std::vector<FieldDef> fields;
    QStringList primaryKey;
    std::vector<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const; // case-insensitive
    QStringList fieldNames() const;
    const FieldDef* autoIncField() const;

    // SQLite name of a named index.
    QString storedIndexName(const QString& indexName) const { return name + QLatin1Char('_') + indexName; }
    // CREATE TABLE for the given fields (all of the definition when empty) with this definition's
    // widths, defaults and primary key.
    QString createSql(const QString& tableName, const std::vector<FieldDef>& columns) const;
    QString createSql() const { return createSql(name, fields); }
    // CREATE TABLE from ready column declarations, with this definition's primary key.
    QString createSqlFromDeclarations(const QString& tableName, const QStringList& declarations) const;
    // CREATE INDEX statements of the named indexes, plus the internal index and trigger that
    // assign auto-increment numbers.
    QStringList indexSql() const;
    // CREATE INDEX of one named index.
    QString createIndexSql(const IndexDef& index) const;
    // An ORDER BY clause that lists records as the named index does.
    QString orderBy(const QString& indexName) const;
};

} // namespace korbelant
