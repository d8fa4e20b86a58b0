#include "takeover/TmSession.h"

#include "takeover/ESQLerror.h"
#include "takeover/OdbcApi.h"

#include <sqlext.h>

namespace korbelant {

TmSession::TmSession(QString library)
    : m_library(library.isEmpty() ? QString::fromLatin1(OdbcApi::kDriverManager) : std::move(library))
{
}

TmSession::~TmSession()
{
    if (m_api && m_environment != SQL_NULL_HENV)
        m_api->SQLFreeHandle(SQL_HANDLE_ENV, m_environment);
}

TmSession& TmSession::instance()
{
    static TmSession session;
    return session;
}

const OdbcApi& TmSession::api()
{
    environment();
    return *m_api;
}

SQLHENV TmSession::environment()
{
    if (m_environment != SQL_NULL_HENV)
        return m_environment;
    if (!m_api)
        m_api = std::make_unique<OdbcApi>(m_library);
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(m_api->SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        throw ESQLerror(QStringLiteral("Can`t allocate enviroument handle"));
    const SQLRETURN rc = m_api->SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION,
                                              reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(rc)) {
        m_api->SQLFreeHandle(SQL_HANDLE_ENV, environment);
        throw ESQLerror(QStringLiteral("Can`t set enviroument attribute"), rc);
    }
    m_environment = environment;
    return m_environment;
}

} // namespace korbelant
