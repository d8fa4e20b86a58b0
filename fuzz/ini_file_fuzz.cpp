// Loads arbitrary bytes as Optionen.ini, changes a value and saves the file again; the saved
// file must load with the changed value.
#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    static const QString path = QDir::tempPath() + QStringLiteral("/korbelant-ini-fuzz.ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    file.close();
    IniFile ini(path);
    if (!ini.load())
        return 0;
    ini.setValue(QStringLiteral("KLV"), QStringLiteral("Berater"), QStringLiteral("Fuzz"));
    if (!ini.save())
        return 0;
    IniFile again(path);
    if (!again.load() ||
        again.value(QStringLiteral("KLV"), QStringLiteral("Berater")) != QStringLiteral("Fuzz"))
        std::abort();
    return 0;
}
