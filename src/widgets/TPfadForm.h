#pragma once

#include "core/FolderBrowser.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace korbelant {

// The folder chooser: a drive box, the current directory above a list of its sub-directories
// and a list of its files. A double click on a sub-directory opens it; "&Ok" takes the open
// directory. The caption is always the chooser's own; a caller's different caption is shown as
// the task above the drive box.
class TPfadForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kCaption = QStringLiteral("Pfad auswählen :");

    TPfadForm(const QString& caption, const DriveMap& drives, const QString& start,
              QWidget* parent = nullptr);

    // Shows the chooser; the chosen directory, empty when cancelled.
    static QString choose(const QString& caption, const DriveMap& drives, const QString& start,
                          QWidget* parent);

    QString directory() const { return m_browser.current(); }
    QComboBox* driveBox() const { return m_drive; }
    QListWidget* directoryList() const { return m_directories; }
    QListWidget* fileList() const { return m_files; }
    QLabel* currentLabel() const { return m_current; }
    void openEntry(const QString& name);

private:
    void driveChosen(int index);
    void refresh();

    FolderBrowser m_browser;
    QComboBox* m_drive;
    QLabel* m_current;
    QListWidget* m_directories;
    QListWidget* m_files;
};

} // namespace korbelant
