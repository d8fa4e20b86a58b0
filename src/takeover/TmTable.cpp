#include "takeover/TmTable.h"

#include "core/SqlName.h"
#include "takeover/ESQLerror.h"
#include "takeover/OdbcApi.h"
#include "takeover/OdbcFieldNames.h"
#include "takeover/OdbcValueReader.h"
#include "takeover/TmDataBase.h"

#include <sqlext.h>

namespace korbelant {

namespace {

SQLULEN cursorAttribute(TmTable::CursorType type)
{
    switch (type) {
    case TmTable::CursorType::Keyset:
        return SQL_CURSOR_KEYSET_DRIVEN;
    case TmTable::CursorType::Static:
        return SQL_CURSOR_STATIC;
    case TmTable::CursorType::ForwardOnly:
        break;
    }
    return SQL_CURSOR_FORWARD_ONLY;
}

} // namespace

TmTable::TmTable(TmDataBase& database, QString tableName, CursorType cursorType)
    : m_database(database), m_tableName(std::move(tableName)), m_cursorType(cursorType)
{
}

TmTable::~TmTable()
{
    close();
}

void TmTable::check(SQLRETURN rc) const
{
    if (!SQL_SUCCEEDED(rc))
        throw ESQLerror::fromHandle(m_database.api(), SQL_HANDLE_STMT, m_statement, rc);
}

void TmTable::open()
{
    close();
    const SQLHDBC connection = m_database.handle();
    const OdbcApi& api = m_database.api();
    SQLHSTMT statement = SQL_NULL_HSTMT;
    const SQLRETURN rc = api.SQLAllocHandle(SQL_HANDLE_STMT, connection, &statement);
    if (!SQL_SUCCEEDED(rc))
        throw ESQLerror::fromHandle(api, SQL_HANDLE_DBC, connection, rc);
    m_statement = statement;
    try {
        execute();
        describeColumns();
    } catch (...) {
        close();
        throw;
    }
    first();
}

void TmTable::execute()
{
    const OdbcApi& api = m_database.api();
    // A driver that cannot give the cursor asked for keeps its own; the table reads forward anyway.
    if (m_cursorType != CursorType::ForwardOnly)
        api.SQLSetStmtAttr(m_statement, SQL_ATTR_CURSOR_TYPE,
                           reinterpret_cast<SQLPOINTER>(cursorAttribute(m_cursorType)), SQL_IS_UINTEGER);
    QByteArray sql = (QStringLiteral("SELECT * FROM ") + SqlName::quote(m_tableName)).toUtf8();
    check(api.SQLExecDirect(m_statement, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS));
}

void TmTable::describeColumns()
{
    const OdbcApi& api = m_database.api();
    SQLSMALLINT count = 0;
    check(api.SQLNumResultCols(m_statement, &count));
    QStringList described;
    std::vector<std::pair<SQLUSMALLINT, std::pair<OdbcField::Type, int>>> columns;
    for (SQLUSMALLINT column = 1; column <= count; ++column) {
        SQLCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        check(api.SQLDescribeCol(m_statement, column, name, sizeof name, &nameLength, &sqlType, &size,
                                 &digits, &nullable));
        const std::optional<OdbcField::Type> type = OdbcField::typeOf(sqlType, size);
        if (!type)
            continue;
        described << QString::fromUtf8(reinterpret_cast<const char*>(name));
        columns.push_back({column, {*type, static_cast<int>(size)}});
    }
    const QStringList names = OdbcFieldNames::unique(described);
    for (size_t i = 0; i < columns.size(); ++i)
        m_fields.emplace_back(names.at(static_cast<int>(i)), columns[i].second.first,
                              columns[i].second.second, columns[i].first);
}

void TmTable::close()
{
    if (m_statement != SQL_NULL_HSTMT) {
        const OdbcApi& api = m_database.api();
        api.SQLCloseCursor(m_statement);
        api.SQLFreeHandle(SQL_HANDLE_STMT, m_statement);
        m_statement = SQL_NULL_HSTMT;
    }
    m_fields.clear();
    m_rows.clear();
    m_exhausted = false;
    m_current = 0;
    m_eof = true;
}

// Reads rows from the driver until the buffer holds the row at index; false past the last row.
bool TmTable::fetchUpTo(size_t index)
{
    const OdbcApi& api = m_database.api();
    while (m_rows.size() <= index && !m_exhausted) {
        const SQLRETURN rc = api.SQLFetch(m_statement);
        if (rc == SQL_NO_DATA) {
            m_exhausted = true;
            break;
        }
        check(rc);
        const OdbcValueReader reader(api, m_statement);
        QVariantList row;
        for (const OdbcField& f : m_fields)
            row << reader.read(f);
        m_rows.push_back(std::move(row));
    }
    return index < m_rows.size();
}

void TmTable::show(size_t index)
{
    const QVariantList& row = m_rows[index];
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].setValue(row.at(static_cast<qsizetype>(i)));
}

bool TmTable::passes(size_t index)
{
    show(index);
    return !m_filtered || !m_filter || m_filter(*this);
}

void TmTable::moveFrom(size_t index)
{
    if (!isOpen())
        return;
    for (size_t i = index; fetchUpTo(i); ++i) {
        if (passes(i)) {
            m_current = i;
            m_eof = false;
            return;
        }
    }
    m_current = m_rows.size();
    m_eof = true;
    for (OdbcField& f : m_fields)
        f.setValue({});
}

void TmTable::first()
{
    moveFrom(0);
}

void TmTable::next()
{
    if (!m_eof)
        moveFrom(m_current + 1);
}

int TmTable::recordCount()
{
    if (!isOpen())
        return 0;
    int count = 0;
    for (size_t i = 0; fetchUpTo(i); ++i) {
        if (passes(i))
            ++count;
    }
    if (m_eof) {
        for (OdbcField& f : m_fields)
            f.setValue({});
    } else {
        show(m_current);
    }
    return count;
}

const OdbcField& TmTable::field(int position) const
{
    return m_fields.at(static_cast<size_t>(position));
}

const OdbcField* TmTable::findField(const QString& name) const
{
    for (const OdbcField& f : m_fields) {
        if (f.name().compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

const OdbcField& TmTable::fieldByName(const QString& name) const
{
    const OdbcField* f = findField(name);
    if (!f)
        throw ESQLerror(QStringLiteral("Field '%1' not found in %2").arg(name, m_tableName));
    return *f;
}

QStringList TmTable::fieldNames() const
{
    QStringList names;
    for (const OdbcField& f : m_fields)
        names << f.name();
    return names;
}

void TmTable::setFilter(Filter filter)
{
    m_filter = std::move(filter);
    if (m_filtered)
        first();
}

void TmTable::setFiltered(bool on)
{
    m_filtered = on;
    first();
}

} // namespace korbelant
