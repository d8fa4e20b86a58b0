#include "core/HelpDocument.h"

#include "core/DataHome.h"
#include "core/UiPort.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korbelant {

QString HelpDocument::missingMessage(const QString& path)
{
    return QStringLiteral("Die Hilfedatei KORBELANT.pdf wurde nicht gefunden.\n") +
           QDir::toNativeSeparators(path);
}

HelpDocument::HelpDocument(const DataHome& home, UiPort& ui, Opener opener)
    : m_home(home), m_ui(ui), m_opener(std::move(opener))
{
}

bool HelpDocument::OpenHelp()
{
    const QString path = m_home.helpFile();
    if (!QFileInfo(path).isFile()) {
        m_ui.error(missingMessage(path));
        return false;
    }
    if (m_opener && m_opener(path))
        return true;
    m_ui.error(kFailed);
    return false;
}

bool HelpDocument::install(const DataHome& home)
{
    const QDateTime made = QFileInfo(kProgramCopy).lastModified();
    const QFileInfo present(home.helpFile());
    if (present.isFile() && (!made.isValid() || present.lastModified() >= made))
        return true;
    QFile source(kProgramCopy);
    QSaveFile target(home.helpFile());
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
        target.write(source.readAll()) != source.size() || !target.commit())
        return false;
    // The copy carries the time the program's copy was made, so that a later program's is newer.
    if (made.isValid()) {
        QFile copy(home.helpFile());
        if (copy.open(QIODevice::ReadWrite))
            copy.setFileTime(made, QFileDevice::FileModificationTime);
    }
    return true;
}

} // namespace korbelant
