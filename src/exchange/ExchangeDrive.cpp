#include "exchange/ExchangeDrive.h"

#include "core/DriveMap.h"
#include "core/OptionDef.h"
#include "core/Options.h"
#include "core/UiPort.h"

#include <QDir>

namespace korbelant {

QString ExchangeDrive::notReady(const QString& letter)
{
    return QStringLiteral("Diskette in Laufwerk ") + letter + QStringLiteral(" nicht verfügbar.");
}

QString ExchangeDrive::letter() const
{
    const QString drive = m_options.text(QStringLiteral("BZHDRIVE")).trimmed();
    if (drive.compare(OptionDef::kPathChoice, Qt::CaseInsensitive) == 0 || drive.size() != 1 ||
        DriveMap(m_options).directoryOf(drive).isEmpty())
        return {};
    return drive;
}

QString ExchangeDrive::folder() const
{
    const QString drive = letter();
    return drive.isEmpty() ? m_options.text(QStringLiteral("BZHPFAD"))
                           : DriveMap(m_options).directoryOf(drive);
}

bool ExchangeDrive::isDriveFolder(const QString& folder) const
{
    const QString drive = letter();
    if (drive.isEmpty())
        return false;
    const auto clean = [](const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); };
    return clean(folder) == clean(DriveMap(m_options).directoryOf(drive));
}

bool ExchangeDrive::waitReady(UiPort& ui, const ExchangeTarget& target) const
{
    const QString drive = letter();
    if (target.online || !isDriveFolder(target.folder))
        return true;
    const DriveMap drives(m_options);
    while (drives.check(drive).state != DriveMap::State::Ready) {
        if (ui.question(notReady(drive), UiPort::Buttons::RetryCancel) != UiPort::Answer::Retry)
            return false;
    }
    return true;
}

} // namespace korbelant
