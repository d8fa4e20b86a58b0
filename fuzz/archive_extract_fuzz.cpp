// Feeds arbitrary bytes as a received archive to the extraction into the exchange directory. Whatever
// the archive holds, nothing may be written outside the directory it is unpacked into.
#include "exchange/ArchiveError.h"
#include "exchange/ArchiveExtractor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    static QTemporaryDir root;
    const QString archive = root.filePath(QStringLiteral("Stamm.zip"));
    const QString transtup = root.filePath(QStringLiteral("home/TRANSTUP"));
    QDir(root.filePath(QStringLiteral("home"))).removeRecursively();
    QDir().mkpath(transtup);
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    try {
        ArchiveExtractor::extract(archive, transtup);
    } catch (const ArchiveError&) {
    }
    // Only the archive itself and the home with TRANSTUP may be in the root.
    const QStringList entries =
        QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList home = QDir(root.filePath(QStringLiteral("home")))
                                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (entries.size() != 2 || !entries.contains(QStringLiteral("Stamm.zip")) ||
        !entries.contains(QStringLiteral("home")) || home != QStringList{QStringLiteral("TRANSTUP")})
        std::abort();
    return 0;
}
