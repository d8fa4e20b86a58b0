#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace korbelant {

// The memo file (.dbt) beside a dBASE table: the memo field of a record holds the number of the
// block where its text starts. dBASE III ends a text with 0x1A in blocks of 512 bytes; dBASE IV
// starts it with a marker and its length, in blocks of the size the file's header gives.
class DbtMemoFile
{
public:
    // False when the file cannot be read.
    bool open(const QString& path, bool dBase4);
    bool isOpen() const { return m_file.isOpen(); }
    // The bytes of the text that starts in that block; empty for a block outside the file.
    QByteArray text(qint64 block);

private:
    QFile m_file;
    qint64 m_blockSize = 512;
    bool m_dBase4 = false;
};

} // namespace korbelant
