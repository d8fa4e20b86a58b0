#include "takeover/ESQLerror.h"

#include "core/RecordPagesUi.h"
#include "core/UiPort.h"
#include "takeover/OdbcApi.h"

#include <sqlext.h>

namespace korbelant {

namespace {

struct Diagnostic
{
    QString state;
    QString text;
};

// The diagnostic records of a handle, one after the other until none is left.
QList<Diagnostic> diagnosticsOf(const OdbcApi& api, SQLSMALLINT handleType, SQLHANDLE handle)
{
    QList<Diagnostic> found;
    for (SQLSMALLINT number = 1;; ++number) {
        SQLCHAR state[6] = {};
        SQLINTEGER nativeError = 0;
        SQLCHAR text[SQL_MAX_MESSAGE_LENGTH] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = api.SQLGetDiagRec(handleType, handle, number, state, &nativeError, text,
                                               SQL_MAX_MESSAGE_LENGTH, &length);
        if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
            break;
        found.append({QString::fromUtf8(reinterpret_cast<const char*>(state)),
                      QString::fromUtf8(reinterpret_cast<const char*>(text)).trimmed()});
    }
    return found;
}

} // namespace

ESQLerror::ESQLerror(const QString& message, SQLRETURN returnCode, QString sqlState, QStringList records)
    : std::runtime_error(message.toStdString()), m_message(message), m_returnCode(returnCode),
      m_sqlState(std::move(sqlState)), m_records(std::move(records))
{
}

ESQLerror ESQLerror::fromHandle(const OdbcApi& api, SQLSMALLINT handleType, SQLHANDLE handle,
                                SQLRETURN returnCode)
{
    QList<Diagnostic> diagnostics;
    if (handle && (returnCode == SQL_ERROR || returnCode == SQL_SUCCESS_WITH_INFO))
        diagnostics = diagnosticsOf(api, handleType, handle);
    if (diagnostics.isEmpty())
        return ESQLerror(returnCodeName(returnCode), returnCode);
    QStringList records;
    for (const Diagnostic& d : diagnostics)
        records << d.state + QLatin1Char(':') + d.text;
    return ESQLerror(records.first(), returnCode, diagnostics.first().state, records);
}

void ESQLerror::show(UiPort& ui) const
{
    const QStringList records = m_records.isEmpty() ? QStringList{m_message} : m_records;
    if (auto* pages = dynamic_cast<RecordPagesUi*>(&ui))
        pages->showRecords(QStringLiteral("ODBC Error"), records);
    else
        ui.error(records.join(QLatin1Char('\n')));
}

QString ESQLerror::returnCodeName(SQLRETURN returnCode)
{
    switch (returnCode) {
    case SQL_SUCCESS:
        return QStringLiteral("SQL_SUCCESS");
    case SQL_SUCCESS_WITH_INFO:
        return QStringLiteral("SQL_SUCCESS_WITH_INFO");
    case SQL_STILL_EXECUTING:
        return QStringLiteral("SQL_STILL_EXECUTING");
    case SQL_NEED_DATA:
        return QStringLiteral("SQL_NEED_DATA");
    case SQL_NO_DATA:
        return QStringLiteral("SQL_NO_DATA");
    case SQL_INVALID_HANDLE:
        return QStringLiteral("SQL_INVALID_HANDLE");
    case SQL_ERROR:
        return QStringLiteral("SQL_ERROR");
    default:
        return QStringLiteral("unknown SQL result %1").arg(returnCode);
    }
}

} // namespace korbelant
