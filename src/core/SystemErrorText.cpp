#include "core/SystemErrorText.h"

#include <cerrno>
#include <map>

namespace korbelant {

QString SystemErrorText::fromErrno(int error)
{
    static const std::map<int, QString> texts{
        {ENOENT, QStringLiteral("Datei nicht gefunden")},
        {EACCES, QStringLiteral("Keine Berechtigung")},
        {EPERM, QStringLiteral("Keine Berechtigung")},
        {EROFS, QStringLiteral("Das Laufwerk ist schreibgeschützt")},
        {ENOSPC, QStringLiteral("Kein Speicherplatz mehr auf dem Gerät")},
        {EDQUOT, QStringLiteral("Kein Speicherplatz mehr auf dem Gerät")},
        {EEXIST, QStringLiteral("Datei existiert bereits")},
        {EISDIR, QStringLiteral("Ist ein Verzeichnis")},
        {ENOTDIR, QStringLiteral("Ist kein Verzeichnis")},
        {ENOTEMPTY, QStringLiteral("Das Verzeichnis ist nicht leer")},
        {EBUSY, QStringLiteral("Die Datei wird gerade benutzt")},
        {EMFILE, QStringLiteral("Zu viele offene Dateien")},
        {ENFILE, QStringLiteral("Zu viele offene Dateien")},
        {ENAMETOOLONG, QStringLiteral("Der Dateiname ist zu lang")},
        {EIO, QStringLiteral("Ein-/Ausgabefehler")},
        {ENOMEM, QStringLiteral("Nicht genug Speicher")},
        {EXDEV, QStringLiteral("Verschieben zwischen Laufwerken nicht möglich")},
        {ENOEXEC, QStringLiteral("Die Datei ist kein ausführbares Programm")},
        {EINVAL, QStringLiteral("Ungültiges Argument")},
    };
    const auto text = texts.find(error);
    if (text != texts.end())
        return text->second;
    return QStringLiteral("Systemfehler %1").arg(error);
}

QString SystemErrorText::fromFile(QFileDevice::FileError error, int savedErrno)
{
    if (savedErrno != 0)
        return fromErrno(savedErrno);
    switch (error) {
    case QFileDevice::NoError:
        return QStringLiteral("Kein Fehler");
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler");
    case QFileDevice::WriteError:
        return QStringLiteral("Schreibfehler");
    case QFileDevice::FatalError:
        return QStringLiteral("Schwerer Fehler beim Dateizugriff");
    case QFileDevice::ResourceError:
        return QStringLiteral("Nicht genug Speicher oder Speicherplatz");
    case QFileDevice::OpenError:
        return QStringLiteral("Die Datei kann nicht geöffnet werden");
    case QFileDevice::AbortError:
        return QStringLiteral("Der Vorgang wurde abgebrochen");
    case QFileDevice::TimeOutError:
        return QStringLiteral("Zeitüberschreitung");
    case QFileDevice::RemoveError:
        return QStringLiteral("Die Datei kann nicht gelöscht werden");
    case QFileDevice::RenameError:
        return QStringLiteral("Die Datei kann nicht umbenannt werden");
    case QFileDevice::PositionError:
        return QStringLiteral("Die Position in der Datei kann nicht gesetzt werden");
    case QFileDevice::ResizeError:
        return QStringLiteral("Die Dateigröße kann nicht geändert werden");
    case QFileDevice::PermissionsError:
        return QStringLiteral("Keine Berechtigung");
    case QFileDevice::CopyError:
        return QStringLiteral("Die Datei kann nicht kopiert werden");
    case QFileDevice::UnspecifiedError:
        break;
    }
    return QStringLiteral("Unbekannter Dateifehler");
}

} // namespace korbelant
