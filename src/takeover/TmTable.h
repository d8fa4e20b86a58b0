#pragma once

#include "takeover/OdbcField.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <vector>

#include <sql.h>

namespace korbelant {

class TmDataBase;

// A whole table of an ODBC data source, read row by row in the order the driver returns them,
// with its fields by name and by position and an optional per-row filter test.
class TmTable
{
public:
    enum class CursorType
    {
        ForwardOnly,
        Keyset,
        Static
    };
    using Filter = std::function<bool(const TmTable&)>;

    TmTable(TmDataBase& database, QString tableName, CursorType cursorType = CursorType::ForwardOnly);
    ~TmTable();
    TmTable(const TmTable&) = delete;
    TmTable& operator=(const TmTable&) = delete;

    const QString& tableName() const { return m_tableName; }
    // Connects when needed and stands on the first row (throws ESQLerror).
    void open();
    void close();
    bool isOpen() const { return m_statement != SQL_NULL_HSTMT; }

    void first();
    void next();
    bool eof() const { return m_eof; }
    // The rows that pass the filter; the current row stays where it is.
    int recordCount();

    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const OdbcField& field(int position) const;
    const OdbcField* findField(const QString& name) const;
    // Throws ESQLerror when the table has no field of that name.
    const OdbcField& fieldByName(const QString& name) const;
    QStringList fieldNames() const;

    // While filtered, moves skip the rows the test answers false for. Switching the filter on,
    // or setting a test while it is on, applies the test afresh from the first row.
    void setFilter(Filter filter);
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

private:
    void execute();
    void describeColumns();
    bool fetchUpTo(size_t index);
    void show(size_t index);
    bool passes(size_t index);
    void moveFrom(size_t index);
    void check(SQLRETURN rc) const;

    TmDataBase& m_database;
    QString m_tableName;
    CursorType m_cursorType;
    Filter m_filter;
    bool m_filtered = false;
    SQLHSTMT m_statement = SQL_NULL_HSTMT;
    std::vector<OdbcField> m_fields;
    std::vector<QVariantList> m_rows;
    bool m_exhausted = false;
    size_t m_current = 0;
    bool m_eof = true;
};

} // namespace korbelant
