#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace korbelant {

// One prepared SQL statement. Values are bound as parameters; text is UTF-8, an empty or null
// QVariant binds NULL. Throws DatabaseError on failure.
class Statement
{
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;

    Statement& bind(int position, const QVariant& value);        // 1-based
    Statement& bind(const QString& name, const QVariant& value); // ":NAME"
    Statement& bindAll(const QVariantList& values);
    // Values by parameter name without the colon: "kind" binds ":kind".
    Statement& bindAll(const QVariantMap& values);
    // Advances to the next row; false when there is none (the statement has run to its end).
    bool next();
    void run(); // runs to the end, ignoring rows
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    // Whether the column has the given name, which is plain ASCII (compared without conversion).
    bool hasColumnName(int column, const QString& asciiName) const;
    QVariant value(int column) const;
    QString text(int column) const { return value(column).toString(); }
    // Raw access for loops over many rows, without a QVariant per value.
    bool isNull(int column) const;
    double real(int column) const;           // NULL gives 0
    std::string_view utf8(int column) const; // NULL gives an empty view

private:
    [[noreturn]] void fail(int rc) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

} // namespace korbelant
