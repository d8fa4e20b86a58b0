#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace korbelant {

// A DOS code page of one byte a character: ASCII below 0x80, a table of 128 characters above.
// Characters the code page cannot hold are encoded as '?'.
class DosCodePage
{
public:
    // The characters of the bytes 0x80 to 0xFF, in byte order; the table must outlive the page.
    explicit DosCodePage(const char16_t (&high)[128]);

    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;

private:
    const char16_t (&m_high)[128];
    QHash<char16_t, char> m_bytes;
};

} // namespace korbelant
