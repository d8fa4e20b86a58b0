#include "takeover/OdbcField.h"

#include <sqlext.h>

namespace korbelant {

namespace {

constexpr SQLULEN kLongestText = 254;

std::optional<OdbcField::Type> characterType(SQLSMALLINT sqlType, SQLULEN columnSize)
{
    const bool fixed = sqlType == SQL_CHAR || sqlType == SQL_WCHAR;
    if (fixed || (columnSize >= 1 && columnSize <= kLongestText))
        return OdbcField::Type::Text;
    return OdbcField::Type::Memo;
}

} // namespace

std::optional<OdbcField::Type> OdbcField::typeOf(SQLSMALLINT sqlType, SQLULEN columnSize)
{
    switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
        return characterType(sqlType, columnSize);
    case SQL_INTEGER:
        return Type::Integer;
    case SQL_SMALLINT:
    case SQL_TINYINT:
        return Type::SmallInt;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_FLOAT:
    case SQL_REAL:
    case SQL_DOUBLE:
    case SQL_BIGINT:
        return Type::Float;
    case SQL_DATE:
    case SQL_TYPE_DATE:
        return Type::Date;
    case SQL_TIME:
    case SQL_TYPE_TIME:
        return Type::Time;
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIMESTAMP:
        return Type::DateTime;
    case SQL_BIT:
        return Type::Boolean;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return Type::Binary;
    default:
        return std::nullopt;
    }
}

QString OdbcField::asString() const
{
    if (m_value.isNull())
        return {};
    switch (m_type) {
    case Type::Date:
        return m_value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case Type::Time:
        return m_value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case Type::DateTime:
        return m_value.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case Type::Boolean:
        return m_value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return m_value.toString();
    }
}

qlonglong OdbcField::asInteger() const
{
    if (m_type == Type::Float)
        return static_cast<qlonglong>(m_value.toDouble());
    if (m_type == Type::Text || m_type == Type::Memo)
        return m_value.toString().trimmed().toLongLong();
    return m_value.toLongLong();
}

double OdbcField::asFloat() const
{
    if (m_type == Type::Text || m_type == Type::Memo)
        return m_value.toString().trimmed().toDouble();
    return m_value.toDouble();
}

bool OdbcField::asBoolean() const
{
    if (m_type == Type::Text || m_type == Type::Memo)
        return m_value.toString().trimmed().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0;
    return m_value.toBool();
}

QDateTime OdbcField::asDateTime() const
{
    switch (m_type) {
    case Type::Date:
        return QDateTime(m_value.toDate(), QTime(0, 0));
    case Type::Time:
        return QDateTime(QDate(1899, 12, 30), m_value.toTime());
    default:
        return m_value.toDateTime();
    }
}

} // namespace korbelant
