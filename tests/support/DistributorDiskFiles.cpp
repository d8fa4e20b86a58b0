#include "support/DistributorDiskFiles.h"

#include "support/FileBytes.h"

#include <QDir>

namespace korbelant::test {

QString diskFixture(const QString& name)
{
    return QStringLiteral(KORBELANT_SOURCE_DIR "/tests/fixtures/exchange/disk/in/") + name;
}

QString expectedDiskFile(const QString& name)
{
    return QStringLiteral(KORBELANT_SOURCE_DIR "/tests/fixtures/exchange/disk/expected/") + name;
}

void copyDiskFixture(const QString& folder)
{
    for (const char* name : {"BERGRUP.ASC", "GBART.ASC", "AEHLP.ASC"})
        writeFileBytes(QDir(folder).filePath(QString::fromLatin1(name)),
                       fileBytes(diskFixture(QString::fromLatin1(name))));
}

} // namespace korbelant::test
