#include "takeover/DbtMemoFile.h"

#include <QtEndian>

namespace korbelant {

namespace {

constexpr qint64 kClassicBlock = 512;
// No memo of an address book or a party grows beyond this; a larger length is a damaged file.
constexpr qint64 kLongestText = 1 << 20;
const QByteArray kDBase4Marker("\xFF\xFF\x08\x00", 4);

} // namespace

bool DbtMemoFile::open(const QString& path, bool dBase4)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_dBase4 = dBase4;
    m_blockSize = kClassicBlock;
    if (dBase4) {
        const QByteArray header = m_file.read(22);
        if (header.size() == 22) {
            const auto size = qFromLittleEndian<quint16>(header.constData() + 20);
            if (size >= 64)
                m_blockSize = size;
        }
    }
    return true;
}

QByteArray DbtMemoFile::text(qint64 block)
{
    if (!isOpen() || block <= 0 || block > m_file.size() / m_blockSize)
        return {};
    if (!m_file.seek(block * m_blockSize))
        return {};
    const QByteArray start = m_file.peek(8);
    if (m_dBase4 && start.size() == 8 && start.startsWith(kDBase4Marker)) {
        const qint64 length = qFromLittleEndian<quint32>(start.constData() + 4);
        if (length <= 8)
            return {};
        m_file.skip(8);
        return m_file.read(std::min(length - 8, kLongestText));
    }
    QByteArray text;
    while (text.size() < kLongestText) {
        const QByteArray chunk = m_file.read(kClassicBlock);
        if (chunk.isEmpty())
            break;
        const qsizetype end = chunk.indexOf('\x1A');
        if (end >= 0) {
            text.append(chunk.left(end));
            break;
        }
        text.append(chunk);
    }
    return text.left(kLongestText);
}

} // namespace korbelant
