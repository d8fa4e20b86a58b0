#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

class DataHome;

// The weekly backup as it lies in DBSicher/: the day the newest copy of the data set there was
// written. The option Datum only says when the weekly run was last due; this is what exists.
class LastBackup
{
public:
    static inline const QString kNone = QStringLiteral("noch keine");

    // The day of the newest data-set copy (*.sqlite) in the directory; nullopt without one.
    static std::optional<QDate> newest(const QString& backupDir);
    // That day of the data home's DBSicher/ as "dd.mm.yyyy", "noch keine" without a backup.
    static QString shown(const DataHome& home);
};

} // namespace korbelant
