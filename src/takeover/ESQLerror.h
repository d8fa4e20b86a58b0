#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

#include <sql.h>

namespace korbelant {

class OdbcApi;
class UiPort;

// A failure of an ODBC call: its return code, the SQL state of the first diagnostic record, the
// message shown to the user and every diagnostic record as "STATE:text".
class ESQLerror : public std::runtime_error
{
public:
    explicit ESQLerror(const QString& message, SQLRETURN returnCode = SQL_ERROR, QString sqlState = {},
                       QStringList records = {});

    // Reads the diagnostic records of the handle after a call returned returnCode.
    static ESQLerror fromHandle(const OdbcApi& api, SQLSMALLINT handleType, SQLHANDLE handle,
                                SQLRETURN returnCode);
    // "SQL_SUCCESS", "SQL_ERROR", … or "unknown SQL result N".
    static QString returnCodeName(SQLRETURN returnCode);

    const QString& message() const { return m_message; }
    SQLRETURN returnCode() const { return m_returnCode; }
    const QString& sqlState() const { return m_sqlState; }
    const QStringList& records() const { return m_records; }
    // The "ODBC Error" window with the records, or the message when there are none.
    void show(UiPort& ui) const;

private:
    QString m_message;
    SQLRETURN m_returnCode;
    QString m_sqlState;
    QStringList m_records;
};

} // namespace korbelant
