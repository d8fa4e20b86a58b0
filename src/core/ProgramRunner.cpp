#include "core/ProgramRunner.h"

#include "core/UiPort.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>

namespace korbelant {

int ProgramRunner::preflightError(const QString& program)
{
    const bool bareName = !program.contains(QLatin1Char('/'));
    const QString path = bareName ? QStandardPaths::findExecutable(program) : program;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return ENOENT;
    if (info.isDir())
        return EISDIR;
    if (!info.isExecutable())
        return EACCES;
    return 0;
}

bool ProgramRunner::RunProgram(const QString& program, const QStringList& arguments)
{
    int error = program.isEmpty() ? ENOENT : preflightError(program);
    if (error == 0) {
        errno = 0;
        if (QProcess::startDetached(program, arguments))
            return true;
        error = errno != 0 ? errno : ENOEXEC;
    }
    m_ui.error(kFailed + QLatin1Char('\n') + QStringLiteral("Fehlernummer: ") + QString::number(error));
    return false;
}

QString ProgramRunner::findInDirectory(const QString& directory, const QString& fileName)
{
    if (directory.isEmpty())
        return {};
    const QDir dir(directory);
    if (!dir.exists())
        return {};
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (entry.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return entry.absoluteFilePath();
    }
    return {};
}

} // namespace korbelant
