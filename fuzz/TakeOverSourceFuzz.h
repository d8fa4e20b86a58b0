#pragma once

// The input of a fuzz target for a takeover source: the first part of the bytes is the table,
// the rest its memo file (two leading bytes say where the table ends). Every field of every
// record is read, by position and by name; a source refused as damaged is fine.
#include "core/DatabaseError.h"
#include "takeover/TakeOverSource.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace korbelant::fuzz {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// `open` makes the source of a table file (throwing DatabaseError when it refuses it).
template <typename Open>
int readTakeOverSource(const uint8_t* data, size_t size, const QString& tableName, const QString& memoName,
                       Open open)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split =
        bytes.size() < 2
            ? bytes.size()
            : std::min<qsizetype>(bytes.size(), 2 + ((static_cast<unsigned char>(bytes.at(0)) << 8) |
                                                     static_cast<unsigned char>(bytes.at(1))));
    const QString table = QDir(dir.path()).filePath(tableName);
    writeFile(table, bytes.mid(2, split - 2));
    writeFile(QDir(dir.path()).filePath(memoName), bytes.mid(split));
    try {
        const auto source = open(table);
        while (source->next()) {
            for (int i = 0; i < static_cast<int>(source->fields().size()); ++i) {
                (void)source->value(i);
                (void)source->text(source->fields().at(i).name);
            }
        }
    } catch (const DatabaseError&) {
        // refused as damaged
    }
    return 0;
}

} // namespace korbelant::fuzz
