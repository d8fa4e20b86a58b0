#pragma once

#include "core/KeptBackup.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korbelant {

class DataHome;

// The backups kept in DBSicher/, one directory a day named yyyy-mm-dd, each with the copy of the
// database file and the text files of DB/. The newest eight days are kept.
class KeptBackups
{
public:
    static constexpr int kKept = 8;
    static inline const QString kNewSuffix = QStringLiteral(".neu");
    static inline const QString kOldSuffix = QStringLiteral(".alt");
    static inline const QString kDatabaseName = QStringLiteral("korbelant.sqlite");

    explicit KeptBackups(const DataHome& home);

    QString directory() const { return m_directory; }
    QString dayDirectory(const QDate& day) const;
    // Every kept backup that holds a database copy, newest first.
    std::vector<KeptBackup> list() const;
    std::optional<KeptBackup> ofDay(const QDate& day) const;
    // A day (dd.mm.yyyy or yyyy-mm-dd) of a kept backup, a backup directory or a database file;
    // nullopt when there is no such backup.
    std::optional<KeptBackup> find(const QString& dayOrFile) const;
    // Puts right what a backup that was cut short left behind: a new copy not yet checked
    // (<day>.neu) is removed; a day's older backup set aside (<day>.alt) goes back to its place
    // when the new one never got there, and is removed otherwise.
    void tidyUp() const;
    // Removes the directories of all but the newest `keep` days; returns the days removed.
    QStringList removeOld(int keep = kKept) const;

    static std::optional<QDate> dayOfName(const QString& name);
    // The backup in a directory or of a database file, dated by the directory's name when it is a
    // day, else by the file's time.
    static std::optional<KeptBackup> at(const QString& path);

private:
    QStringList dayNames() const;

    QString m_directory;
};

} // namespace korbelant
