#include "core/FolderBrowser.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

namespace {

QString clean(const QString& directory)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(directory));
}

bool isBelow(const QString& path, const QString& directory)
{
    if (directory == QStringLiteral("/"))
        return true;
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

} // namespace

FolderBrowser::FolderBrowser(const DriveMap& drives, const QString& start) : m_map(drives)
{
    for (const QString& letter : DriveMap::drives()) {
        const QString directory = clean(m_map.directoryOf(letter));
        m_drives.append({letter + QStringLiteral(":  ") + directory, directory, letter});
    }
    m_drives.append({kHome + QStringLiteral("  ") + QDir::homePath(), clean(QDir::homePath()), {}});

    QString directory = start.trimmed().isEmpty() ? QString() : clean(QDir(start).absolutePath());
    while (!directory.isEmpty() && !QFileInfo(directory).isDir()) {
        const QString parent = clean(QFileInfo(directory).path());
        directory = parent == directory ? QString() : parent;
    }
    open(directory.isEmpty() ? QDir::homePath() : directory);
}

int FolderBrowser::currentDrive() const
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drives.size(); ++i) {
        const QString& directory = m_drives[i].directory;
        if (isBelow(m_current, directory) && directory.size() > bestLength) {
            best = i;
            bestLength = directory.size();
        }
    }
    return best;
}

QStringList FolderBrowser::directories() const
{
    QStringList names = entries(true);
    if (m_current != QStringLiteral("/") && m_state.isEmpty())
        names.prepend(kUp);
    return names;
}

QStringList FolderBrowser::files() const
{
    return entries(false);
}

void FolderBrowser::enter(const QString& name)
{
    if (name == kUp) {
        open(QFileInfo(m_current).path());
        return;
    }
    if (!name.contains(QLatin1Char('/')) && entries(true).contains(name))
        open(QDir(m_current).filePath(name));
}

void FolderBrowser::chooseDrive(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    const Drive& drive = m_drives[index];
    open(drive.directory);
    if (!drive.letter.isEmpty() && DriveMap::isRemovable(drive.letter))
        m_state = m_map.check(drive.letter).message;
}

void FolderBrowser::open(const QString& directory)
{
    m_current = clean(directory);
    const QFileInfo info(m_current);
    m_state.clear();
    if (!info.isDir())
        m_state = QStringLiteral("Das Verzeichnis ") + m_current + QStringLiteral(" ist nicht vorhanden.");
    else if (!info.isReadable())
        m_state =
            QStringLiteral("Das Verzeichnis ") + m_current + QStringLiteral(" kann nicht gelesen werden.");
}

QStringList FolderBrowser::entries(bool directories) const
{
    if (!m_state.isEmpty())
        return {};
    const QDir::Filters filter = directories ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Files;
    return QDir(m_current).entryList(filter, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
}

} // namespace korbelant
