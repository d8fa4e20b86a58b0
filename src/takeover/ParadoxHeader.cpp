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

qint64 longWord(const QByteArray& bytes, qint64 at)
{
    return word(bytes, at) | (qint64(word(bytes, at + 2)) << 16);
}

// The key of an encrypted table stands at 0x25 (0xFF00FF00 there marks none from Paradox 4 on)
// and, from Paradox 4 on, in the second part of the header at 0x5C. pxlib decrypts the blocks
// with it; with a wrong key the block chain leads it through blocks that are not there, without
// end. The programs taken over do not encrypt their tables, so an encrypted one is refused.
bool isEncrypted(const QByteArray& bytes)
{
    constexpr int kVersion = 0x39;
    constexpr int kFirstKey = 0x25;
    constexpr int kSecondKey = 0x5C;
    const qint64 first = longWord(bytes, kFirstKey);
    if (first != 0 && first != 0xFF00FF00)
        return true;
    return bytes.size() >= kSecondKey + 4 && static_cast<unsigned char>(bytes.at(kVersion)) >= 5 &&
           longWord(bytes, kSecondKey) != 0;
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
        !isTableType(static_cast<unsigned char>(bytes.at(0x04))) || !isBlockSize(kilobytes) ||
        isEncrypted(bytes))
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
