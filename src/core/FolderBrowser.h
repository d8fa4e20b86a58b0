#pragma once

#include "core/DriveMap.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace korbelant {

// What the folder chooser shows: the drives, the current directory, its sub-directories and its
// files. Drive "a" and "b" are the floppy directories of the drive map, "c" the root directory;
// the user's home folder is offered beside them, since sticks and shared folders live below it.
class FolderBrowser
{
public:
    struct Drive
    {
        QString label;
        QString directory;
        QString letter; // empty for the home folder
    };

    static inline const QString kUp = QStringLiteral("..");
    static inline const QString kHome = QStringLiteral("Persönlicher Ordner");

    // Starts in the given directory, or in the nearest existing directory above it; the home
    // folder when none of them exists.
    FolderBrowser(const DriveMap& drives, const QString& start);

    const QList<Drive>& drives() const { return m_drives; }
    // The drive the current directory lies on (the one with the longest matching directory).
    int currentDrive() const;
    QString current() const { return m_current; }
    // Why the current drive cannot be listed; empty when it can.
    QString state() const { return m_state; }
    // The sub-directories by name, led by ".." below the root.
    QStringList directories() const;
    QStringList files() const;

    // Opens a sub-directory of the list, or the parent for "..".
    void enter(const QString& name);
    void chooseDrive(int index);

private:
    void open(const QString& directory);
    QStringList entries(bool directories) const;

    DriveMap m_map;
    QList<Drive> m_drives;
    QString m_current;
    QString m_state;
};

} // namespace korbelant
