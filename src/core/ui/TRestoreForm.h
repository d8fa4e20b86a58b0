#pragma once

#include "core/BackupRestore.h"
#include "core/KeptBackup.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;

namespace korbelant {

class DataSet;
class UiPort;

// "Datensicherung zurückspielen": the kept backups of DBSicher/ with their day and size, newest
// first; the chosen one replaces the data set after the question (BackupRestore).
class TRestoreForm : public QDialog
{
    Q_OBJECT

public:
    TRestoreForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    // Shows the window; true when a backup was restored (the program then starts anew).
    static bool run(DataSet& set, UiPort& ui, QWidget* parent);

    const std::vector<KeptBackup>& backups() const { return m_backups; }
    BackupRestore::Outcome outcome() const { return m_outcome; }

private:
    void fill();
    void restoreClick();

    DataSet& m_set;
    UiPort& m_ui;
    std::vector<KeptBackup> m_backups;
    QTableWidget* m_list;
    QPushButton* m_restore;
    BackupRestore::Outcome m_outcome = BackupRestore::Outcome::Cancelled;
};

} // namespace korbelant
