#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

#include <sql.h>

namespace korbelant {

// A field of an ODBC table: a result column with a type the program reads, and its value in the
// table's current row (null when the row has none).
class OdbcField
{
public:
    enum class Type
    {
        Text,
        Memo,
        Integer,
        SmallInt,
        Float,
        Date,
        Time,
        DateTime,
        Boolean,
        Binary
    };

    // The field type of a column; none for a column type the program does not read.
    static std::optional<Type> typeOf(SQLSMALLINT sqlType, SQLULEN columnSize);

    OdbcField(QString name, Type type, int size, SQLUSMALLINT column)
        : m_name(std::move(name)), m_type(type), m_size(size), m_column(column)
    {
    }

    const QString& name() const { return m_name; }
    Type type() const { return m_type; }
    int size() const { return m_size; } // the column size of a text field
    SQLUSMALLINT column() const { return m_column; }

    const QVariant& value() const { return m_value; }
    void setValue(QVariant value) { m_value = std::move(value); }
    bool isNull() const { return m_value.isNull(); }
    QString asString() const;
    qlonglong asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    QDateTime asDateTime() const;

private:
    QString m_name;
    Type m_type;
    int m_size;
    SQLUSMALLINT m_column;
    QVariant m_value;
};

} // namespace korbelant
