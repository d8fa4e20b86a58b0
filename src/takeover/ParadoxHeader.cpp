#include "takeover/ParadoxHeader.h"

#include <QFile>
#include <QSet>

namespace korbelant {

namespace {

int word(const QByteArray& bytes, qint64 at)
{
    return static_cast<unsigned char>(bytes.at(at)) | (static_cast<unsigned char>(bytes.at(at + 1)) << 8);
}

// The file types of a table (with and without primary key); the others are index files.
bool isTableType(int type)
{
    return type == 0 || type == 2;
}

// Blocks of 1, 2, 3, 4, 8, 16 or 32 kilobytes.
bool isBlockSize(int kilobytes)
{
    return (kilobytes >= 1 && kilobytes <= 4) || kilobytes == 8 || kilobytes == 16 || kilobytes == 32;
}

} // namespace

bool ParadoxHeader::isSound(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isSound(file.readAll());
}

bool ParadoxHeader::isSound(const QByteArray& bytes)
{
    if (bytes.size() < kFixedSize)
        return false;
    const int recordSize = word(bytes, 0x00);
    const qint64 headerSize = word(bytes, 0x02);
    const int kilobytes = static_cast<unsigned char>(bytes.at(0x05));
    const int blocks = word(bytes, 0x0C);
    if (recordSize == 0 || headerSize < kFixedSize ||
        !isTableType(static_cast<unsigned char>(bytes.at(0x04))) || !isBlockSize(kilobytes))
        return false;
    const qint64 blockSize = qint64(kilobytes) * 1024;
    if (headerSize + blocks * blockSize > bytes.size())
        return false;
    // Each data block begins with the number of the next one; 0 ends the chain.
    QSet<int> seen;
    for (int block = word(bytes, 0x0E); block != 0;
         block = word(bytes, headerSize + (block - 1) * blockSize)) {
        if (block > blocks || seen.contains(block))
            return false;
        seen.insert(block);
    }
    return true;
}

} // namespace korbelant
