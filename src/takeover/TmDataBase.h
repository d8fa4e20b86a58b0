#pragma once

#include "takeover/OdbcDriverMap.h"

#include <QString>
#include <QStringList>

#include <sql.h>

namespace korbelant {

class OdbcApi;
class TmSession;

// A connection to an ODBC data source, made from a list of "KEY=value" parameters joined with
// ";". It is opened on first use by a table.
class TmDataBase
{
public:
    explicit TmDataBase(QStringList params = {}, TmSession* session = nullptr);
    ~TmDataBase();
    TmDataBase(const TmDataBase&) = delete;
    TmDataBase& operator=(const TmDataBase&) = delete;

    const QStringList& params() const { return m_params; }
    void setParams(QStringList params) { m_params = std::move(params); }
    // Replaces the parameter of that key (compared without regard to case) or appends it.
    void setParam(const QString& key, const QString& value);
    void setDriverMap(OdbcDriverMap map) { m_driverMap = std::move(map); }
    // What the driver manager gets: the parameters with the drivers of this system, joined by ";".
    QString connectionString() const;

    // Connects when not connected yet; throws ESQLerror.
    void open();
    void close();
    bool connected() const { return m_connection != SQL_NULL_HDBC; }
    SQLHDBC handle();
    const OdbcApi& api();

private:
    SQLHDBC allocateConnection();
    void driverConnect(SQLHDBC connection);
    void release(SQLHDBC connection, bool disconnect);

    QStringList m_params;
    TmSession* m_session;
    OdbcDriverMap m_driverMap = OdbcDriverMap::standard();
    SQLHDBC m_connection = SQL_NULL_HDBC;
};

} // namespace korbelant
