// A small ODBC driver for the tests of the ODBC layer: the driver manager loads it like any other
// driver, and its connect answers what the connection string's "Result" asks for, so that the
// answers no real driver gives on this system (a cancelled connection dialog, a general warning
// on a connection that was made) can be tested through the real driver manager.
//   Result=NO_DATA    the user cancelled the driver's dialog
//   Result=WARNING    connected, with the general warning 01000
//   Result=INFO       connected, with the warning 01S00 (a parameter the driver does not know)
//   anything else     connected

#include <sql.h>
#include <sqlext.h>

#include <cstring>
#include <string>

namespace {

struct Handle
{
    SQLSMALLINT type;
    std::string state;
    std::string text;
};

std::string resultOf(const char* connection)
{
    const std::string text(connection);
    const std::string key = "Result=";
    const auto at = text.find(key);
    if (at == std::string::npos)
        return {};
    const auto end = text.find(';', at);
    return text.substr(at + key.size(), end == std::string::npos ? std::string::npos : end - at - key.size());
}

void copyOut(const std::string& text, SQLCHAR* out, SQLSMALLINT size, SQLSMALLINT* length)
{
    if (length)
        *length = static_cast<SQLSMALLINT>(text.size());
    if (out && size > 0) {
        const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(out, text.data(), n);
        out[n] = 0;
    }
}

} // namespace

extern "C" {

SQLRETURN SQL_API SQLAllocHandle(SQLSMALLINT type, SQLHANDLE, SQLHANDLE* result)
{
    *result = new Handle{type, {}, {}};
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLFreeHandle(SQLSMALLINT, SQLHANDLE handle)
{
    delete static_cast<Handle*>(handle);
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLSetEnvAttr(SQLHENV, SQLINTEGER, SQLPOINTER, SQLINTEGER)
{
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLSetConnectAttr(SQLHDBC, SQLINTEGER, SQLPOINTER, SQLINTEGER)
{
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLDriverConnect(SQLHDBC connection, SQLHWND, SQLCHAR* in, SQLSMALLINT, SQLCHAR* out,
                                   SQLSMALLINT outSize, SQLSMALLINT* outLength, SQLUSMALLINT)
{
    auto* handle = static_cast<Handle*>(connection);
    const std::string result = resultOf(reinterpret_cast<const char*>(in));
    copyOut(reinterpret_cast<const char*>(in), out, outSize, outLength);
    if (result == "NO_DATA")
        return SQL_NO_DATA;
    if (result == "WARNING" || result == "INFO") {
        handle->state = result == "WARNING" ? "01000" : "01S00";
        handle->text = result == "WARNING" ? "[Scripted] general warning" : "[Scripted] invalid attribute";
        return SQL_SUCCESS_WITH_INFO;
    }
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLDisconnect(SQLHDBC)
{
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLGetDiagRec(SQLSMALLINT, SQLHANDLE handle, SQLSMALLINT number, SQLCHAR* state,
                                SQLINTEGER* nativeError, SQLCHAR* text, SQLSMALLINT size, SQLSMALLINT* length)
{
    auto* h = static_cast<Handle*>(handle);
    if (number != 1 || h->state.empty())
        return SQL_NO_DATA;
    copyOut(h->state, state, 6, nullptr);
    if (nativeError)
        *nativeError = 0;
    copyOut(h->text, text, size, length);
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLGetInfo(SQLHDBC, SQLUSMALLINT, SQLPOINTER value, SQLSMALLINT size, SQLSMALLINT* length)
{
    copyOut("03.00", static_cast<SQLCHAR*>(value), size, length);
    return SQL_SUCCESS;
}

} // extern "C"
