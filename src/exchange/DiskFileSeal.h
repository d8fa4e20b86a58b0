#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// The trailer of every file of the exchange disk: the end-of-file byte 1A (added only when the
// file does not end with it already) and a check byte, the sum of all bytes before it modulo 255.
class DiskFileSeal
{
public:
    static constexpr char kEndOfFile = '\x1A';

    static QByteArray sealed(const QByteArray& bytes);
    // True when the last byte is the sum of all bytes before it modulo 255.
    static bool isValid(const QByteArray& bytes);
    static char checkByte(const QByteArray& bytes);

    // Seals the file in place (written atomically); false when it cannot be read or written.
    static bool SealFile(const QString& path);
    // False as well when the file cannot be read.
    static bool VerifySeal(const QString& path);
};

} // namespace korbelant
