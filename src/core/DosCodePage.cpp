#include "core/DosCodePage.h"

namespace korbelant {

DosCodePage::DosCodePage(const char16_t (&high)[128]) : m_high(high)
{
    for (int i = 0; i < 128; ++i)
        m_bytes.insert(high[i], static_cast<char>(0x80 + i));
}

QString DosCodePage::decode(const QByteArray& bytes) const
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(u < 0x80 ? QChar(u) : QChar(m_high[u - 0x80]));
    }
    return text;
}

QByteArray DosCodePage::encode(const QString& text) const
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            bytes.append(static_cast<char>(c.unicode()));
        else
            bytes.append(m_bytes.value(c.unicode(), '?'));
    }
    return bytes;
}

} // namespace korbelant
