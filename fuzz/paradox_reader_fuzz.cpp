// Feeds arbitrary bytes to the Paradox reader of the takeovers: the first part of the input is
// the table, the rest its memo file. Every field of every record is read, by position and by name.
#include "core/DatabaseError.h"
#include "takeover/ParadoxSource.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Two bytes say where the table ends and the memo file begins.
    const qsizetype split =
        bytes.size() < 2
            ? bytes.size()
            : std::min<qsizetype>(bytes.size(), 2 + ((static_cast<unsigned char>(bytes.at(0)) << 8) |
                                                     static_cast<unsigned char>(bytes.at(1))));
    const QString table = QDir(dir.path()).filePath(QStringLiteral("Fuzz.db"));
    writeFile(table, bytes.mid(2, split - 2));
    writeFile(QDir(dir.path()).filePath(QStringLiteral("Fuzz.MB")), bytes.mid(split));
    try {
        const auto source = ParadoxSource::open(table);
        while (source->next()) {
            for (int i = 0; i < static_cast<int>(source->fields().size()); ++i) {
                (void)source->value(i);
                (void)source->text(source->fields().at(i).name);
            }
        }
    } catch (const DatabaseError&) {
        // refused as no Paradox table
    }
    return 0;
}
