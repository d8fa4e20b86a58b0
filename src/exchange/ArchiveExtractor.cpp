#include "exchange/ArchiveExtractor.h"

#include "core/SystemErrorText.h"
#include "exchange/ArchiveError.h"
#include "exchange/ZipArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace korbelant {

namespace {

QString normalised(const QString& name)
{
    return QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool isDirectoryEntry(const QString& name)
{
    return normalised(name).endsWith(QLatin1Char('/'));
}

ArchiveError refused(const QString& name, const QString& why)
{
    return ArchiveError(QStringLiteral("Die Übergabedatei wird nicht entpackt, es wurde nichts geschrieben: "
                                       "der Eintrag \"%1\" %2.")
                            .arg(name, why));
}

} // namespace

std::optional<QString> ArchiveExtractor::refusal(const QString& name)
{
    const QString path = normalised(name);
    if (path.isEmpty() || path == QStringLiteral("/"))
        return QStringLiteral("hat keinen Namen");
    if (path.startsWith(QLatin1Char('/')))
        return QStringLiteral("hat einen absoluten Pfad");
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        return QStringLiteral("nennt ein Laufwerk");
    if (path.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return QStringLiteral("führt mit \"..\" aus dem Austauschverzeichnis");
    if (path.contains(QChar(0)))
        return QStringLiteral("hat einen ungültigen Namen");
    return std::nullopt;
}

int ArchiveExtractor::extract(const QString& archivePath, const QString& directory)
{
    const ZipArchive zip(archivePath, ZIP_RDONLY);
    checkAll(zip, directory);
    int written = 0;
    for (zip_int64_t i = 0; i < zip.entryCount(); ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const QString relative = normalised(zip.entryName(index));
        const QString path = QDir(directory).filePath(relative);
        if (isDirectoryEntry(relative)) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        write(path, zip.read(index));
        ++written;
    }
    return written;
}

void ArchiveExtractor::checkAll(const ZipArchive& zip, const QString& directory)
{
    for (zip_int64_t i = 0; i < zip.entryCount(); ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const QString name = zip.entryName(index);
        std::optional<QString> why = refusal(name);
        if (!why && zip.isSymlink(index))
            why = QStringLiteral("ist eine Verknüpfung");
        if (!why && leavesDirectory(directory, normalised(name)))
            why = QStringLiteral("führt über eine Verknüpfung aus dem Austauschverzeichnis");
        if (why)
            throw refused(name, *why);
    }
}

// Whether the part of the path that exists already (a folder, or a file to be overwritten) is or
// passes through a link that resolves outside the directory.
bool ArchiveExtractor::leavesDirectory(const QString& directory, const QString& relative)
{
    const QString root = QFileInfo(directory).canonicalFilePath();
    const QString top = QDir::cleanPath(QDir(directory).absolutePath());
    const QString path = QDir::cleanPath(QDir(top).filePath(relative));
    for (QFileInfo step(path); step.absoluteFilePath().size() > top.size();
         step = QFileInfo(step.absolutePath())) {
        if (!step.exists() && !step.isSymLink())
            continue;
        const QString resolved = step.canonicalFilePath();
        if (resolved.isEmpty() || !(resolved == root || resolved.startsWith(root + QLatin1Char('/'))))
            return true;
    }
    return false;
}

void ArchiveExtractor::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ArchiveError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                               .arg(path, SystemErrorText::fromFile(file.error(), errno)));
}

} // namespace korbelant
