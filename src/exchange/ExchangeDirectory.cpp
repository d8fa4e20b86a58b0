#include "exchange/ExchangeDirectory.h"

#include "core/UiPort.h"
#include "exchange/ArchiveError.h"
#include "exchange/ArchiveExtractor.h"
#include "exchange/ZipArchive.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

bool ExchangeDirectory::PrepareTranstup(const QString& archivePath)
{
    if (!QDir().mkpath(transtup()) || !QFileInfo(transtup()).isDir()) {
        m_ui.error(kNotCreated);
        return false;
    }
    if (archivePath.isEmpty())
        return true;
    if (!QFileInfo(archivePath).isFile()) {
        m_ui.error(kNoArchive);
        return false;
    }
    return unpack(archivePath);
}

bool ExchangeDirectory::unpack(const QString& archivePath)
{
    try {
        if (ZipArchive(archivePath, ZIP_RDONLY).entryCount() == 0) {
            m_ui.error(kEmptyArchive);
            return false;
        }
        ArchiveExtractor::extract(archivePath, transtup());
        return true;
    } catch (const ArchiveError& e) {
        m_ui.error(e.message());
        return false;
    }
}

} // namespace korbelant
