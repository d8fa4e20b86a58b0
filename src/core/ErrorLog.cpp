#include "core/ErrorLog.h"

#include "core/Cp1252.h"
#include "core/UiPort.h"

#include <QDateTime>
#include <QFile>

namespace korbelant {

ErrorLog::ErrorLog(QString path) : m_path(std::move(path)) {}

void ErrorLog::LogException(const QString& message, bool silent, UiPort* ui) const
{
    const QDateTime now = QDateTime::currentDateTime();
    QString flat = message;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString line = now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) + QLatin1Char(' ') + flat +
                         QStringLiteral("\r\n");
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(Cp1252::encode(line));
    if (!silent && ui)
        ui->error(message);
}

} // namespace korbelant
