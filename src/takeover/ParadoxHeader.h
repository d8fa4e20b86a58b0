#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// The header and block chain of a Paradox table file, checked from its bytes before the table is
// handed to pxlib: pxlib trusts them, and a cut-off file or a chain of blocks that runs in a
// circle would keep it reading for ever.
class ParadoxHeader
{
public:
    // Whether the file holds a table: a table type, a known block size, no encryption, a header
    // and the blocks it counts within the file, and a chain of data blocks that stays among them
    // and ends.
    static bool isSound(const QString& path);
    static bool isSound(const QByteArray& bytes);

    // The fixed part of a header, before the field descriptions.
    static constexpr int kFixedSize = 0x58;
};

} // namespace korbelant
