#include "core/DataHome.h"

#include <QDir>
#include <QStandardPaths>

namespace korbelant {

DataHome::DataHome(QString root) : m_root(QDir::cleanPath(QDir(root).absolutePath())) {}

DataHome DataHome::resolve(const QString& commandLineHome)
{
    if (!commandLineHome.isEmpty())
        return DataHome(commandLineHome);
    const QString fromEnvironment = qEnvironmentVariable("KORBELANT_HOME");
    if (!fromEnvironment.isEmpty())
        return DataHome(fromEnvironment);
    QString appData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return DataHome(appData + QStringLiteral("/Korbelant"));
}

QString DataHome::path(const QString& relative) const
{
    return m_root + QLatin1Char('/') + relative;
}

} // namespace korbelant
