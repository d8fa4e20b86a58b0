#pragma once

#include "core/KeptBackups.h"
#include "core/RowCounts.h"

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

class Database;
class DataHome;
class UiPort;

// A backup into DBSicher/<yyyy-mm-dd>/ that is kept only once it has been checked: the consistent
// copy of the data set and the text files of DB/ go into a directory of their own beside it, the
// copy is checked (BackupCheck), and only then does it take the place of that day's backup (a
// second backup on the same day replaces the first) and of the copy in DBSicher/ itself. A copy
// that fails the check is removed, never kept as if it were good. The newest eight days stay.
class VerifiedBackup
{
public:
    // A copy made but not yet checked.
    struct Pending
    {
        QDate day;
        QString directory;
        QString databaseFile;
        RowCounts::Counts counts; // of the data set at the moment of the copy
    };

    VerifiedBackup(Database& db, const DataHome& home);

    // Makes the copy; throws DatabaseError when it cannot be written.
    Pending copy(const QDate& day);
    // Checks the copy, then keeps it as the day's backup and removes the oldest beyond eight. A
    // copy that fails is removed and the failure returned.
    std::optional<QString> keep(const Pending& pending);
    // Both, with a failure appended to ExceptList.EXC and shown through the port when one is given.
    // Returns the kept backup, nullopt on failure.
    std::optional<KeptBackup> make(const QDate& day, UiPort* ui);

private:
    std::optional<QString> replaceDay(const Pending& pending);
    void refreshLatestCopy(const Pending& pending);

    Database& m_db;
    const DataHome& m_home;
    KeptBackups m_kept;
};

} // namespace korbelant
