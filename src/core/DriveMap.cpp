#include "core/DriveMap.h"

#include "core/Options.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace korbelant {

DriveMap::DriveMap(const Options& options)
    : m_a(options.text(QStringLiteral("LaufwerkA")).trimmed()),
      m_b(options.text(QStringLiteral("LaufwerkB")).trimmed())
{
    if (m_a.isEmpty())
        m_a = kDefaultA;
    if (m_b.isEmpty())
        m_b = kDefaultB;
}

bool DriveMap::isRemovable(const QString& letter)
{
    const QString l = letter.toLower();
    return l == QStringLiteral("a") || l == QStringLiteral("b");
}

QString DriveMap::directoryOf(const QString& letter) const
{
    const QString l = letter.toLower();
    if (l == QStringLiteral("a"))
        return m_a;
    if (l == QStringLiteral("b"))
        return m_b;
    if (l == QStringLiteral("c"))
        return QStringLiteral("/");
    return {};
}

DriveMap::Check DriveMap::check(const QString& letter) const
{
    const QString directory = directoryOf(letter);
    const std::filesystem::path path(directory.toStdString());
    std::error_code ec;
    const bool removable = isRemovable(letter);
    if (directory.isEmpty() || !std::filesystem::is_directory(path, ec)) {
        if (removable)
            return {State::NoDisk, QStringLiteral("Keine Diskette im Laufwerk ") + letter, 0};
        return {State::Unreadable,
                QStringLiteral("Diskette nicht formatiert! %1").arg(ec ? ec.value() : ENOENT), ec.value()};
    }
    std::filesystem::directory_iterator it(path, ec);
    if (ec)
        return {State::Unreadable, QStringLiteral("Diskette nicht formatiert! %1").arg(ec.value()),
                ec.value()};
    if (removable && it == std::filesystem::directory_iterator())
        return {State::EmptyDisk,
                QStringLiteral("Diskette im Laufwerk ") + letter + QStringLiteral(" ist leer !"), 0};
    return {};
}

QString DriveMap::withTrailingSeparator(const QString& directory)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory;
    return directory + QLatin1Char('/');
}

} // namespace korbelant
