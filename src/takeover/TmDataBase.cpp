#include "takeover/TmDataBase.h"

#include "takeover/ESQLerror.h"
#include "takeover/OdbcApi.h"
#include "takeover/TmSession.h"

#include <sqlext.h>

namespace korbelant {

TmDataBase::TmDataBase(QStringList params, TmSession* session)
    : m_params(std::move(params)), m_session(session ? session : &TmSession::instance())
{
}

TmDataBase::~TmDataBase()
{
    close();
}

void TmDataBase::setParam(const QString& key, const QString& value)
{
    const QString parameter = key + QLatin1Char('=') + value;
    for (QString& existing : m_params) {
        if (existing.section(QLatin1Char('='), 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            existing = parameter;
            return;
        }
    }
    m_params << parameter;
}

QString TmDataBase::connectionString() const
{
    return m_driverMap.translated(m_params).join(QLatin1Char(';'));
}

const OdbcApi& TmDataBase::api()
{
    return m_session->api();
}

SQLHDBC TmDataBase::handle()
{
    open();
    return m_connection;
}

void TmDataBase::open()
{
    if (connected())
        return;
    const SQLHDBC connection = allocateConnection();
    driverConnect(connection);
    m_connection = connection;
}

void TmDataBase::close()
{
    if (!connected())
        return;
    release(m_connection, true);
    m_connection = SQL_NULL_HDBC;
}

SQLHDBC TmDataBase::allocateConnection()
{
    const SQLHENV environment = m_session->environment();
    SQLHDBC connection = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(api().SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection)))
        throw ESQLerror(QStringLiteral("Can`t allocate HDBC handle"));
    return connection;
}

void TmDataBase::driverConnect(SQLHDBC connection)
{
    const OdbcApi& odbc = api();
    odbc.SQLSetConnectAttr(connection, SQL_ATTR_ODBC_CURSORS,
                           reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_DRIVER), SQL_IS_UINTEGER);
    QByteArray in = connectionString().toUtf8();
    SQLCHAR out[1024] = {};
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc =
        odbc.SQLDriverConnect(connection, nullptr, reinterpret_cast<SQLCHAR*>(in.data()), SQL_NTS, out,
                              static_cast<SQLSMALLINT>(sizeof out), &outLength, SQL_DRIVER_COMPLETE_REQUIRED);
    // A connection that was made stands, whatever warning came with it (the general warning 01000
    // of the Access driver among them). A failed one stays a failure whatever state its first
    // record carries: the driver manager reports a driver library it cannot load as 01000.
    if (SQL_SUCCEEDED(rc))
        return;
    if (rc == SQL_NO_DATA) {
        release(connection, false);
        throw ESQLerror(QStringLiteral("Database not opened"), rc);
    }
    ESQLerror error = ESQLerror::fromHandle(odbc, SQL_HANDLE_DBC, connection, rc);
    release(connection, false);
    throw error;
}

void TmDataBase::release(SQLHDBC connection, bool disconnect)
{
    if (disconnect)
        api().SQLDisconnect(connection);
    api().SQLFreeHandle(SQL_HANDLE_DBC, connection);
}

} // namespace korbelant
