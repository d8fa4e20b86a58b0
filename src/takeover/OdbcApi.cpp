#include "takeover/OdbcApi.h"

#include "takeover/ESQLerror.h"

#include <dlfcn.h>

namespace korbelant {

namespace {

QString systemText()
{
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

OdbcApi::OdbcApi(const QString& library)
{
    m_library = dlopen(library.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_library)
        throw ESQLerror(QStringLiteral("Error loading %1\n%2").arg(library, systemText()));
    try {
        bind(SQLAllocHandle, "SQLAllocHandle");
        bind(SQLSetEnvAttr, "SQLSetEnvAttr");
        bind(SQLSetConnectAttr, "SQLSetConnectAttr");
        bind(SQLSetStmtAttr, "SQLSetStmtAttr");
        bind(SQLDriverConnect, "SQLDriverConnect");
        bind(SQLDisconnect, "SQLDisconnect");
        bind(SQLFreeHandle, "SQLFreeHandle");
        bind(SQLColumns, "SQLColumns");
        bind(SQLSpecialColumns, "SQLSpecialColumns");
        bind(SQLExecDirect, "SQLExecDirect");
        bind(SQLNumResultCols, "SQLNumResultCols");
        bind(SQLDescribeCol, "SQLDescribeCol");
        bind(SQLFetch, "SQLFetch");
        bind(SQLFetchScroll, "SQLFetchScroll");
        bind(SQLGetData, "SQLGetData");
        bind(SQLCloseCursor, "SQLCloseCursor");
        bind(SQLGetDiagRec, "SQLGetDiagRec");
    } catch (...) {
        dlclose(m_library);
        throw;
    }
}

OdbcApi::~OdbcApi()
{
    if (m_library)
        dlclose(m_library);
}

template <typename F> void OdbcApi::bind(F& function, const char* name)
{
    dlerror();
    void* address = dlsym(m_library, name);
    if (!address)
        throw ESQLerror(QStringLiteral("Error Getting adress for ") + QString::fromLatin1(name) +
                        QLatin1Char('\n') + systemText());
    function = reinterpret_cast<F>(address);
}

} // namespace korbelant
