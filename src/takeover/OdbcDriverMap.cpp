#include "takeover/OdbcDriverMap.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

namespace {

const QString kDriverKey = QStringLiteral("DRIVER");
const QString kDatabaseKey = QStringLiteral("DBQ");

QString keyOf(const QString& parameter)
{
    return parameter.section(QLatin1Char('='), 0, 0).trimmed();
}

QString valueOf(const QString& parameter)
{
    return parameter.section(QLatin1Char('='), 1);
}

bool hasKey(const QString& parameter, const QString& key)
{
    return keyOf(parameter).compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

const QString OdbcDriverMap::kAccessDriver = QStringLiteral("Microsoft Access-Treiber (*.mdb)");

OdbcDriverMap OdbcDriverMap::standard()
{
    OdbcDriverMap map;
    const QString library = qEnvironmentVariable("KORBELANT_ACCESS_ODBC_DRIVER");
    const QString key = qEnvironmentVariable("KORBELANT_ACCESS_ODBC_DATABASE_KEY");
    map.add({kAccessDriver, library.isEmpty() ? libraryPath(QStringLiteral("libmdbodbc.so")) : library,
             key.isEmpty() ? kDatabaseKey : key});
    return map;
}

QString OdbcDriverMap::libraryPath(const QString& fileName)
{
    static const QStringList folders{QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc"),
                                     QStringLiteral("/usr/lib/aarch64-linux-gnu/odbc"),
                                     QStringLiteral("/usr/lib/i386-linux-gnu/odbc"),
                                     QStringLiteral("/usr/lib64/odbc"),
                                     QStringLiteral("/usr/lib/odbc"),
                                     QStringLiteral("/usr/local/lib/odbc")};
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return fileName;
}

void OdbcDriverMap::add(StandIn standIn)
{
    m_standIns.prepend(std::move(standIn));
}

const OdbcDriverMap::StandIn* OdbcDriverMap::standInFor(const QStringList& parameters) const
{
    for (const QString& parameter : parameters) {
        if (!hasKey(parameter, kDriverKey))
            continue;
        QString driver = valueOf(parameter).trimmed();
        if (driver.startsWith(QLatin1Char('{')) && driver.endsWith(QLatin1Char('}')))
            driver = driver.mid(1, driver.size() - 2);
        for (const StandIn& standIn : m_standIns) {
            if (standIn.driverName.compare(driver, Qt::CaseInsensitive) == 0)
                return &standIn;
        }
    }
    return nullptr;
}

QStringList OdbcDriverMap::translated(const QStringList& parameters) const
{
    const StandIn* standIn = standInFor(parameters);
    if (!standIn)
        return parameters;
    QStringList result;
    for (const QString& parameter : parameters) {
        if (hasKey(parameter, kDriverKey))
            result << kDriverKey + QLatin1Char('=') + standIn->library;
        else if (hasKey(parameter, kDatabaseKey))
            result << standIn->databaseKey + QLatin1Char('=') + valueOf(parameter);
        else
            result << parameter;
    }
    return result;
}

} // namespace korbelant
