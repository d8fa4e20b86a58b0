#pragma once

#include "core/KeptBackup.h"

#include <QDate>
#include <QString>

namespace korbelant {

class DataSet;
class UiPort;

// Puts a kept backup back in place of the data set: after the question, the copy is checked, the
// current state is backed up (so that the restore itself can be undone), the copy replaces the
// open data set through the engine's backup run, the text files of DB/ come back with it, and the
// tables are checked as at every start.
class BackupRestore
{
public:
    enum class Outcome
    {
        Restored,
        Cancelled,
        Failed
    };

    // What the desktop program says after a restore, before it ends to start on the restored set.
    static inline const QString kRestart =
        QStringLiteral("Die Datensicherung wurde zurückgespielt. Das Programm wird jetzt beendet; bitte "
                       "starten Sie es neu.");

    static QString question(const QDate& day);

    BackupRestore(DataSet& set, UiPort& ui) : m_set(set), m_ui(ui) {}

    Outcome restore(const KeptBackup& backup, const QDate& today = QDate::currentDate());

private:
    void fail(const QString& message);
    bool replaceDataSet(const KeptBackup& backup, const QDate& today);

    DataSet& m_set;
    UiPort& m_ui;
};

} // namespace korbelant
