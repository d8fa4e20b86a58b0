#pragma once

#include <QString>

#include <sql.h>
#include <sqlext.h>

namespace korbelant {

// The functions of the ODBC driver manager, bound by name from its library at run time, so that
// the program starts and works without unixODBC as long as no ODBC source is read.
class OdbcApi
{
public:
    static constexpr const char* kDriverManager = "libodbc.so.2";

    // Loads the library and binds every function; throws ESQLerror naming the first one missing.
    explicit OdbcApi(const QString& library = QString::fromLatin1(kDriverManager));
    ~OdbcApi();
    OdbcApi(const OdbcApi&) = delete;
    OdbcApi& operator=(const OdbcApi&) = delete;

    // Typed as the declarations of sql.h and sqlext.h, which are only looked at, never linked.
    decltype(&::SQLAllocHandle) SQLAllocHandle = nullptr;
    decltype(&::SQLSetEnvAttr) SQLSetEnvAttr = nullptr;
    decltype(&::SQLSetConnectAttr) SQLSetConnectAttr = nullptr;
    decltype(&::SQLSetStmtAttr) SQLSetStmtAttr = nullptr;
    decltype(&::SQLDriverConnect) SQLDriverConnect = nullptr;
    decltype(&::SQLDisconnect) SQLDisconnect = nullptr;
    decltype(&::SQLFreeHandle) SQLFreeHandle = nullptr;
    decltype(&::SQLColumns) SQLColumns = nullptr;
    decltype(&::SQLSpecialColumns) SQLSpecialColumns = nullptr;
    decltype(&::SQLExecDirect) SQLExecDirect = nullptr;
    decltype(&::SQLNumResultCols) SQLNumResultCols = nullptr;
    decltype(&::SQLDescribeCol) SQLDescribeCol = nullptr;
    decltype(&::SQLFetch) SQLFetch = nullptr;
    decltype(&::SQLFetchScroll) SQLFetchScroll = nullptr;
    decltype(&::SQLGetData) SQLGetData = nullptr;
    decltype(&::SQLCloseCursor) SQLCloseCursor = nullptr;
    decltype(&::SQLGetDiagRec) SQLGetDiagRec = nullptr;

private:
    template <typename F> void bind(F& function, const char* name);

    void* m_library = nullptr;
};

} // namespace korbelant
