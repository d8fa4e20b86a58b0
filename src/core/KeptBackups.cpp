#include "core/KeptBackups.h"

#include "core/DataHome.h"
#include "core/GermanFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace korbelant {

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

qint64 sizeOf(const QString& directory)
{
    qint64 bytes = 0;
    QDirIterator files(directory, QDir::Files);
    while (files.hasNext())
        bytes += files.nextFileInfo().size();
    return bytes;
}

} // namespace

KeptBackups::KeptBackups(const DataHome& home) : m_directory(home.backupDir()) {}

QString KeptBackups::dayDirectory(const QDate& day) const
{
    return QDir(m_directory).filePath(day.toString(kDayFormat));
}

std::optional<QDate> KeptBackups::dayOfName(const QString& name)
{
    if (name.size() != kDayFormat.size())
        return std::nullopt;
    const QDate day = QDate::fromString(name, kDayFormat);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QStringList KeptBackups::dayNames() const
{
    QStringList names;
    for (const QString& name : QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (dayOfName(name))
            names << name;
    }
    // The names sort as their days do; newest first.
    std::sort(names.begin(), names.end(), std::greater<>());
    return names;
}

std::optional<KeptBackup> KeptBackups::at(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        const QString file = QDir(path).filePath(kDatabaseName);
        if (!QFileInfo(file).isFile())
            return std::nullopt;
        const QDate day = dayOfName(info.fileName()).value_or(QFileInfo(file).lastModified().date());
        return KeptBackup{day, file, info.absoluteFilePath(), sizeOf(path)};
    }
    if (!info.isFile())
        return std::nullopt;
    return KeptBackup{info.lastModified().date(), info.absoluteFilePath(), QString(), info.size()};
}

std::vector<KeptBackup> KeptBackups::list() const
{
    std::vector<KeptBackup> backups;
    for (const QString& name : dayNames()) {
        if (auto backup = at(QDir(m_directory).filePath(name)))
            backups.push_back(*backup);
    }
    return backups;
}

std::optional<KeptBackup> KeptBackups::ofDay(const QDate& day) const
{
    if (!QFileInfo(dayDirectory(day)).isDir())
        return std::nullopt;
    return at(dayDirectory(day));
}

std::optional<KeptBackup> KeptBackups::find(const QString& dayOrFile) const
{
    if (const auto day = GermanFormat::parseDate(dayOrFile))
        return ofDay(*day);
    if (const auto day = dayOfName(dayOrFile))
        return ofDay(*day);
    return at(dayOrFile);
}

void KeptBackups::tidyUp() const
{
    const QDir directory(m_directory);
    for (const QString& name : directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& suffix : {kNewSuffix, kOldSuffix}) {
            if (!name.endsWith(suffix) || !dayOfName(name.chopped(suffix.size())))
                continue;
            const QString day = directory.filePath(name.chopped(suffix.size()));
            if (suffix == kOldSuffix && !QFileInfo(day).exists() &&
                QDir().rename(directory.filePath(name), day))
                continue;
            QDir(directory.filePath(name)).removeRecursively();
        }
    }
}

QStringList KeptBackups::removeOld(int keep) const
{
    QStringList removed;
    const QStringList names = dayNames();
    for (qsizetype i = keep; i < names.size(); ++i) {
        if (QDir(QDir(m_directory).filePath(names.at(i))).removeRecursively())
            removed << names.at(i);
    }
    return removed;
}

} // namespace korbelant
