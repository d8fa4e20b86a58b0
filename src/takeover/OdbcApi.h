#pragma once

#include <QString>

#include <sql.h>

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

    SQLRETURN (*SQLAllocHandle)(SQLSMALLINT, SQLHANDLE, SQLHANDLE*) = nullptr;
    SQLRETURN (*SQLSetEnvAttr)(SQLHENV, SQLINTEGER, SQLPOINTER, SQLINTEGER) = nullptr;
    SQLRETURN (*SQLSetConnectAttr)(SQLHDBC, SQLINTEGER, SQLPOINTER, SQLINTEGER) = nullptr;
    SQLRETURN (*SQLSetStmtAttr)(SQLHSTMT, SQLINTEGER, SQLPOINTER, SQLINTEGER) = nullptr;
    SQLRETURN (*SQLDriverConnect)
    (SQLHDBC, SQLHWND, SQLCHAR*, SQLSMALLINT, SQLCHAR*, SQLSMALLINT, SQLSMALLINT*, SQLUSMALLINT) = nullptr;
    SQLRETURN (*SQLDisconnect)(SQLHDBC) = nullptr;
    SQLRETURN (*SQLFreeHandle)(SQLSMALLINT, SQLHANDLE) = nullptr;
    SQLRETURN (*SQLColumns)
    (SQLHSTMT, SQLCHAR*, SQLSMALLINT, SQLCHAR*, SQLSMALLINT, SQLCHAR*, SQLSMALLINT, SQLCHAR*,
     SQLSMALLINT) = nullptr;
    SQLRETURN (*SQLSpecialColumns)
    (SQLHSTMT, SQLUSMALLINT, SQLCHAR*, SQLSMALLINT, SQLCHAR*, SQLSMALLINT, SQLCHAR*, SQLSMALLINT,
     SQLUSMALLINT, SQLUSMALLINT) = nullptr;
    SQLRETURN (*SQLExecDirect)(SQLHSTMT, SQLCHAR*, SQLINTEGER) = nullptr;
    SQLRETURN (*SQLNumResultCols)(SQLHSTMT, SQLSMALLINT*) = nullptr;
    SQLRETURN (*SQLDescribeCol)
    (SQLHSTMT, SQLUSMALLINT, SQLCHAR*, SQLSMALLINT, SQLSMALLINT*, SQLSMALLINT*, SQLULEN*, SQLSMALLINT*,
     SQLSMALLINT*) = nullptr;
    SQLRETURN (*SQLFetch)(SQLHSTMT) = nullptr;
    SQLRETURN (*SQLFetchScroll)(SQLHSTMT, SQLSMALLINT, SQLLEN) = nullptr;
    SQLRETURN (*SQLGetData)(SQLHSTMT, SQLUSMALLINT, SQLSMALLINT, SQLPOINTER, SQLLEN, SQLLEN*) = nullptr;
    SQLRETURN (*SQLCloseCursor)(SQLHSTMT) = nullptr;
    SQLRETURN (*SQLGetDiagRec)
    (SQLSMALLINT, SQLHANDLE, SQLSMALLINT, SQLCHAR*, SQLINTEGER*, SQLCHAR*, SQLSMALLINT,
     SQLSMALLINT*) = nullptr;

private:
    template <typename F> void bind(F& function, const char* name);

    void* m_library = nullptr;
};

} // namespace korbelant
