#include "exchange/ExchangeFolderChoice.h"

#include "core/DriveMap.h"
#include "core/Options.h"

#include <QDir>
#include <QRegularExpression>

namespace korbelant {

namespace {

const QString kDrive = QStringLiteral("BZHDRIVE");
const QString kPath = QStringLiteral("BZHPFAD");
const QString kPathChoice = QStringLiteral("Pfad:");

QString clean(const QString& folder)
{
    return QDir::cleanPath(folder);
}

} // namespace

ExchangeFolderChoice::ExchangeFolderChoice(Options& options) : m_options(options) {}

QString ExchangeFolderChoice::preset() const
{
    const QString drive = m_options.text(kDrive).trimmed();
    if (drive.compare(kPathChoice, Qt::CaseInsensitive) == 0 || drive.isEmpty())
        return m_options.text(kPath);
    const QString directory = DriveMap(m_options).directoryOf(drive.left(1).toLower());
    return directory.isEmpty() ? m_options.text(kPath) : DriveMap::withTrailingSeparator(directory);
}

QString ExchangeFolderChoice::floppyLetter(const QString& folder) const
{
    static const QRegularExpression typedDrive(QStringLiteral("^([abAB]):?[\\\\/]?$"));
    const auto typed = typedDrive.match(folder.trimmed());
    if (typed.hasMatch())
        return typed.captured(1).toLower();
    const DriveMap drives(m_options);
    for (const QString& letter : {QStringLiteral("a"), QStringLiteral("b")}) {
        if (clean(drives.directoryOf(letter)) == clean(folder))
            return letter;
    }
    return {};
}

QString ExchangeFolderChoice::storeAsDefault(const QString& field)
{
    const QString folder = field.trimmed();
    if (folder.isEmpty())
        return field;
    const QString letter = floppyLetter(folder);
    if (letter.isEmpty()) {
        m_options.setText(kDrive, kPathChoice);
        m_options.setText(kPath, DriveMap::withTrailingSeparator(folder));
    } else {
        m_options.setText(kDrive, letter);
        m_options.setText(kPath, QString());
    }
    m_options.SaveOptions();
    return letter.isEmpty() ? DriveMap::withTrailingSeparator(folder)
                            : DriveMap::withTrailingSeparator(DriveMap(m_options).directoryOf(letter));
}

QString ExchangeFolderChoice::localResult(const QString& field) const
{
    const QString folder = field.trimmed();
    if (folder.isEmpty()) {
        const QString proposed = preset();
        return proposed.isEmpty() ? QString() : DriveMap::withTrailingSeparator(proposed);
    }
    const QString letter = floppyLetter(folder);
    return DriveMap::withTrailingSeparator(letter.isEmpty() ? folder
                                                            : DriveMap(m_options).directoryOf(letter));
}

} // namespace korbelant
