#include "exchange/DiskProtocol.h"

#include "core/Cp1252.h"

#include <QFile>

namespace korbelant {

void DiskProtocol::start(const QDateTime& now)
{
    append(QStringLiteral("Datum : ") + now.date().toString(QStringLiteral("dd.MM.yyyy")), true);
    add(QStringLiteral("Zeit  : ") + now.time().toString(QStringLiteral("HH:mm:ss")));
    add(QString());
}

void DiskProtocol::add(const QString& line)
{
    append(line, false);
}

QString DiskProtocol::countLine(const QString& fileName, int records)
{
    return fileName.leftJustified(15, QLatin1Char(' ')) +
           QString::number(records).rightJustified(6, QLatin1Char(' ')) + QStringLiteral(" Sätze   OK");
}

void DiskProtocol::count(const QString& fileName, int records)
{
    add(countLine(fileName, records));
}

void DiskProtocol::append(const QString& line, bool fresh)
{
    QFile file(m_path);
    if (!file.open(fresh ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::Append))
        return; // the log never stops the exchange
    file.write(Cp1252::encode(line + QStringLiteral("\r\n")));
    file.flush();
}

} // namespace korbelant
