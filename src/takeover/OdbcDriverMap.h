#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korbelant {

// The drivers that stand in on this system for the drivers named in connection parameters: the
// DRIVER= value of a mapped name becomes the path of the stand-in's library, which the driver
// manager loads without any registration, and DBQ= is passed under the key the stand-in reads
// its database file from.
class OdbcDriverMap
{
public:
    struct StandIn
    {
        QString driverName;
        QString library;
        QString databaseKey;
    };

    static const QString kAccessDriver; // "Microsoft Access-Treiber (*.mdb)"

    // The Access driver read by the MDB Tools driver, or by the driver library that
    // $KORBELANT_ACCESS_ODBC_DRIVER names (its database file under the key that
    // $KORBELANT_ACCESS_ODBC_DATABASE_KEY names, else DBQ).
    static OdbcDriverMap standard();
    // The first of the candidate files that exists, else the plain file name (the loader's path).
    static QString libraryPath(const QString& fileName);

    void add(StandIn standIn);
    QStringList translated(const QStringList& parameters) const;

private:
    const StandIn* standInFor(const QStringList& parameters) const;

    QList<StandIn> m_standIns;
};

} // namespace korbelant
