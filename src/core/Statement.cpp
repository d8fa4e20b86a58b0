#include "core/Statement.h"

#include "core/DatabaseError.h"

#include <QDate>
#include <QTime>
#include <sqlite3.h>

namespace korbelant {

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_sql(std::move(other.m_sql))
{
    other.m_stmt = nullptr;
}

void Statement::fail(int rc) const
{
    const QString detail = QString::fromUtf8(sqlite3_errmsg(m_db));
    throw DatabaseError(QStringLiteral("Datenbankfehler: %1").arg(detail),
                        sqlite3_extended_errcode(m_db) ? sqlite3_extended_errcode(m_db) : rc);
}

Statement& Statement::bind(int position, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_stmt, position, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(m_stmt, position, iso.constData(), static_cast<int>(iso.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QTime: {
            const QByteArray iso = value.toTime().toString(QStringLiteral("HH:mm:ss")).toUtf8();
            rc = sqlite3_bind_text(m_stmt, position, iso.constData(), static_cast<int>(iso.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, position, utf8.constData(), static_cast<int>(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement& Statement::bind(const QString& name, const QVariant& value)
{
    const int position = sqlite3_bind_parameter_index(m_stmt, name.toUtf8().constData());
    if (position == 0)
        throw DatabaseError(QStringLiteral("Datenbankfehler: unbekannter Parameter %1").arg(name));
    return bind(position, value);
}

Statement& Statement::bindAll(const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
    return *this;
}

Statement& Statement::bindAll(const QVariantMap& values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        bind(QLatin1Char(':') + it.key(), it.value());
    return *this;
}

bool Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    fail(rc);
}

void Statement::run()
{
    while (next()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

bool Statement::hasColumnName(int column, const QString& asciiName) const
{
    return QLatin1StringView(sqlite3_column_name(m_stmt, column)) == asciiName;
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)),
                                          sqlite3_column_bytes(m_stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default:
        return QVariant();
    }
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

std::string_view Statement::utf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!text)
        return {};
    return {text, static_cast<size_t>(sqlite3_column_bytes(m_stmt, column))};
}

} // namespace korbelant
