#include "core/CurrencyRecord.h"

#include "core/Cp1252.h"
#include "core/DataHome.h"
#include "core/Database.h"
#include "core/DatabaseError.h"

#include <QFile>
#include <QSaveFile>

namespace korbelant {

void CurrencyRecord::record(Database& db, const QString& statusText, const QString& conversionDate)
{
    db.execScript(
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (ID INTEGER PRIMARY KEY, DATUM TEXT, STATUS TEXT)")
            .arg(kTable));
    db.run(QStringLiteral("INSERT INTO %1 (DATUM, STATUS) VALUES (?, ?)").arg(kTable),
           {conversionDate, statusText});
}

std::optional<QString> CurrencyRecord::latest(Database& db)
{
    try {
        if (!db.tableExists(kTable))
            return std::nullopt;
        const QVariant text =
            db.scalar(QStringLiteral("SELECT STATUS FROM %1 ORDER BY ID DESC LIMIT 1").arg(kTable));
        if (!text.isValid())
            return std::nullopt;
        return text.toString();
    } catch (const DatabaseError&) {
        return std::nullopt;
    }
}

bool CurrencyRecord::restoreStatusFile(Database& db, const DataHome& home)
{
    const std::optional<QString> recorded = latest(db);
    if (!recorded)
        return false;
    const QByteArray wanted = Cp1252::encode(*recorded);
    QFile current(home.statusFile());
    if (current.open(QIODevice::ReadOnly) && current.readAll() == wanted)
        return false;
    current.close();
    QSaveFile file(home.statusFile());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(wanted);
    return file.commit();
}

} // namespace korbelant
