#include "core/BackupRestore.h"

#include "core/BackupCheck.h"
#include "core/DataSet.h"
#include "core/DataTextFiles.h"
#include "core/DatabaseCopy.h"
#include "core/DatabaseError.h"
#include "core/FileLink.h"
#include "core/GermanFormat.h"
#include "core/TableCheck.h"
#include "core/UiPort.h"
#include "core/VerifiedBackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korbelant {

QString BackupRestore::question(const QDate& day)
{
    return QStringLiteral("Der aktuelle Datenbestand wird durch die Sicherung vom %1 ersetzt. Fortfahren?")
        .arg(GermanFormat::date(day));
}

void BackupRestore::fail(const QString& message)
{
    m_set.log().LogException(message, false, &m_ui);
}

BackupRestore::Outcome BackupRestore::restore(const KeptBackup& backup, const QDate& today)
{
    if (m_ui.question(question(backup.day), UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return Outcome::Cancelled;
    // A damaged copy must not replace a sound data set.
    if (const auto problem = BackupCheck::verify(backup.databaseFile)) {
        fail(*problem);
        return Outcome::Failed;
    }
    if (!replaceDataSet(backup, today))
        return Outcome::Failed;
    TableCheck::run(m_set);
    return Outcome::Restored;
}

// The backup of the current state may replace the very backup chosen (both of today), so the
// chosen one is put aside first and restored from there.
bool BackupRestore::replaceDataSet(const KeptBackup& backup, const QDate& today)
{
    QDir().mkpath(m_set.home().backupDir());
    QTemporaryDir aside(QDir(m_set.home().backupDir()).filePath(QStringLiteral("zurueck-XXXXXX")));
    const QString copy = aside.filePath(QStringLiteral("korbelant.sqlite"));
    if (!aside.isValid() || !FileLink::linkOrCopy(backup.databaseFile, copy) ||
        (!backup.textDirectory.isEmpty() &&
         !DataTextFiles::copy(backup.textDirectory, aside.path()).isEmpty())) {
        fail(QStringLiteral("Die Sicherung %1 kann nicht gelesen werden.").arg(backup.databaseFile));
        return false;
    }
    if (!VerifiedBackup(m_set.db(), m_set.home()).make(today, &m_ui))
        return false;
    try {
        DatabaseCopy::restoreFrom(m_set.db(), copy);
    } catch (const DatabaseError& e) {
        fail(e.message());
        return false;
    }
    if (!backup.textDirectory.isEmpty()) {
        for (const QString& failure : DataTextFiles::copy(aside.path(), m_set.home().dbDir()))
            fail(failure);
    }
    return true;
}

} // namespace korbelant
