#pragma once

#include <QString>
#include <memory>

#include <sql.h>

namespace korbelant {

class OdbcApi;

// The ODBC environment: the driver manager's functions and one environment handle (ODBC 3),
// both made on first use. The program uses one session for its whole run.
class TmSession
{
public:
    explicit TmSession(QString library = {});
    ~TmSession();
    TmSession(const TmSession&) = delete;
    TmSession& operator=(const TmSession&) = delete;

    static TmSession& instance();

    // Binds the driver manager and allocates the environment when not done yet (throws ESQLerror).
    const OdbcApi& api();
    SQLHENV environment();

private:
    QString m_library;
    std::unique_ptr<OdbcApi> m_api;
    SQLHENV m_environment = SQL_NULL_HENV;
};

} // namespace korbelant
