#include "takeover/OdbcValueReader.h"

#include "takeover/ESQLerror.h"
#include "takeover/OdbcApi.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <sqlext.h>

namespace korbelant {

namespace {

constexpr SQLLEN kChunk = 4096;

QDate dateOf(const SQL_DATE_STRUCT& d)
{
    return QDate(d.year, d.month, d.day);
}

QTime timeOf(SQLUSMALLINT hour, SQLUSMALLINT minute, SQLUSMALLINT second, SQLUINTEGER fraction = 0)
{
    return QTime(hour, minute, second, static_cast<int>(fraction / 1000000));
}

} // namespace

void OdbcValueReader::check(SQLRETURN rc) const
{
    if (!SQL_SUCCEEDED(rc))
        throw ESQLerror::fromHandle(m_api, SQL_HANDLE_STMT, m_statement, rc);
}

template <typename T> bool OdbcValueReader::fixed(SQLUSMALLINT column, SQLSMALLINT cType, T& value) const
{
    SQLLEN indicator = 0;
    check(m_api.SQLGetData(m_statement, column, cType, &value, sizeof value, &indicator));
    return indicator != SQL_NULL_DATA;
}

// Text and binary data in pieces until the driver has given all of it.
QVariant OdbcValueReader::chunked(SQLUSMALLINT column, SQLSMALLINT cType) const
{
    const SQLLEN terminator = cType == SQL_C_CHAR ? 1 : 0;
    QByteArray data;
    QByteArray buffer(kChunk, '\0');
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = m_api.SQLGetData(m_statement, column, cType, buffer.data(), kChunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        check(rc);
        if (indicator == SQL_NULL_DATA)
            return {};
        const bool whole = rc == SQL_SUCCESS && indicator != SQL_NO_TOTAL && indicator <= kChunk - terminator;
        data.append(buffer.constData(), whole ? indicator : kChunk - terminator);
        if (whole)
            break;
    }
    if (cType == SQL_C_CHAR)
        return QString::fromUtf8(data);
    return data;
}

QVariant OdbcValueReader::read(const OdbcField& field) const
{
    const SQLUSMALLINT column = field.column();
    switch (field.type()) {
    case OdbcField::Type::Text:
    case OdbcField::Type::Memo:
        return chunked(column, SQL_C_CHAR);
    case OdbcField::Type::Binary:
        return chunked(column, SQL_C_BINARY);
    case OdbcField::Type::Integer:
    case OdbcField::Type::SmallInt: {
        SQLBIGINT value = 0;
        return fixed(column, SQL_C_SBIGINT, value) ? QVariant(static_cast<qlonglong>(value)) : QVariant();
    }
    case OdbcField::Type::Float: {
        SQLDOUBLE value = 0;
        return fixed(column, SQL_C_DOUBLE, value) ? QVariant(value) : QVariant();
    }
    case OdbcField::Type::Boolean: {
        unsigned char value = 0;
        return fixed(column, SQL_C_BIT, value) ? QVariant(value != 0) : QVariant();
    }
    case OdbcField::Type::Date: {
        SQL_DATE_STRUCT value{};
        return fixed(column, SQL_C_TYPE_DATE, value) ? QVariant(dateOf(value)) : QVariant();
    }
    case OdbcField::Type::Time: {
        SQL_TIME_STRUCT value{};
        return fixed(column, SQL_C_TYPE_TIME, value)
                   ? QVariant(timeOf(value.hour, value.minute, value.second))
                   : QVariant();
    }
    case OdbcField::Type::DateTime: {
        SQL_TIMESTAMP_STRUCT v{};
        if (!fixed(column, SQL_C_TYPE_TIMESTAMP, v))
            return {};
        return QDateTime(QDate(v.year, v.month, v.day), timeOf(v.hour, v.minute, v.second, v.fraction));
    }
    }
    return {};
}

} // namespace korbelant
