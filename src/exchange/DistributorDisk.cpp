#include "exchange/DistributorDisk.h"

#include "core/DriveMap.h"
#include "core/Options.h"
#include "core/UiPort.h"
#include "exchange/DiskFileSeal.h"
#include "exchange/MediumFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace korbelant {

namespace {

// The first bytes of a file; nullopt when it cannot be opened.
std::optional<QByteArray> head(const QString& path, int size)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    return file.read(size);
}

} // namespace

QString DistributorDisk::checksumError(const QString& name)
{
    return QStringLiteral("Prüfsummenfehler in Datei : ") + name;
}

QString DistributorDisk::notOnDisk(const QString& name)
{
    return QStringLiteral("Die Datei ") + name +
           QStringLiteral(" befindet sich nicht auf der Diskette im Laufwerk !");
}

DistributorDisk::DistributorDisk(const Options& options, QString transtup, UiPort& ui)
    : m_options(options), m_transtup(std::move(transtup)), m_ui(ui)
{
}

bool DistributorDisk::isFloppy(const QString& letter)
{
    return letter == QStringLiteral("a") || letter == QStringLiteral("b");
}

QString DistributorDisk::root(const QString& letter) const
{
    return DriveMap(m_options).directoryOf(letter);
}

bool DistributorDisk::DiskReady(const QString& letter) const
{
    const DriveMap::State state = DriveMap(m_options).check(letter).state;
    return state == DriveMap::State::Ready || state == DriveMap::State::EmptyDisk;
}

bool DistributorDisk::CheckBzhDisk(const QString& letter, bool bootCheck)
{
    if (!isFloppy(letter))
        return true;
    while (!DiskReady(letter)) {
        if (m_ui.question(kNotReady, UiPort::Buttons::RetryCancel) != UiPort::Answer::Retry)
            return false;
    }
    while (!MediumFile::exists(root(letter), kConsultantFile) ||
           !MediumFile::exists(root(letter), kArticleFile)) {
        if (m_ui.question(kNoBzhFiles, UiPort::Buttons::RetryCancel) != UiPort::Answer::Retry)
            return false;
    }
    if (bootCheck && !CheckBootSector(letter)) {
        m_ui.warning(kNoBzhBoot);
        return false;
    }
    return true;
}

bool DistributorDisk::CheckBootSector(const QString& letter)
{
    const QString device = m_options
                               .text(letter.toLower() == QStringLiteral("b") ? QStringLiteral("GeraetB")
                                                                             : QStringLiteral("GeraetA"))
                               .trimmed();
    const auto sector = head(device, kSectorSize);
    if (!sector || sector->size() < kSectorSize)
        return true; // a boot sector that cannot be read passes
    const auto reference = head(QDir(m_transtup).filePath(kBootFile), kComparedBytes);
    if (!reference) {
        m_ui.error(kNoBootFile);
        return false;
    }
    return reference->size() == kComparedBytes && sector->left(kComparedBytes) == *reference;
}

void DistributorDisk::show(bool withMessages, const QString& text)
{
    if (withMessages)
        m_ui.error(text);
}

bool DistributorDisk::sourceReadable(const QString& source, bool withMessages)
{
    const QFileInfo info(source);
    if (info.isFile())
        return true;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        show(withMessages, QStringLiteral("Keine Diskette im Laufwerk "));
    else if (!folder.isReadable())
        show(withMessages, QStringLiteral("Diskette nicht formatiert! %1").arg(EACCES));
    else
        show(withMessages, notOnDisk(info.fileName()));
    return false;
}

bool DistributorDisk::destinationReady(const QString& letter, bool withMessages)
{
    if (root(letter).isEmpty())
        return true; // a folder, not a drive
    const DriveMap::Check check = DriveMap(m_options).check(letter);
    if (check.state == DriveMap::State::EmptyDisk) {
        if (withMessages)
            m_ui.information(check.message);
        return true;
    }
    if (check.state != DriveMap::State::Ready)
        show(withMessages, check.message);
    return check.state == DriveMap::State::Ready;
}

bool DistributorDisk::CopyChecked(const QString& source, const QString& destination, bool withMessages,
                                  bool checkByte, const QString& destinationLetter)
{
    if (!sourceReadable(source, withMessages) || !destinationReady(destinationLetter, withMessages))
        return false;
    const QString name = QFileInfo(source).fileName();
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        show(withMessages, QStringLiteral("Kann Datei ") + name + QStringLiteral(" nicht Kopieren."));
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (checkByte && !DiskFileSeal::isValid(bytes)) {
        show(withMessages, checksumError(name));
        return false;
    }
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0 || !out.commit()) {
        show(withMessages, QStringLiteral("Kann Datei ") + QFileInfo(destination).fileName() +
                               QStringLiteral(" nicht erstellen."));
        return false;
    }
    return true;
}

} // namespace korbelant
