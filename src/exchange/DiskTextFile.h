#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korbelant {

// The text files of the exchange disk and of TRANSTUP: Windows-1252, one record per line, lines
// ending in CR LF.
class DiskTextFile
{
public:
    // The lines of the file split at CR LF (a last line without one included, an empty rest not);
    // nullopt when it cannot be read.
    static std::optional<QStringList> read(const QString& path);
    static QStringList lines(const QByteArray& bytes);
    // Every line with CR LF, written atomically; false when the file cannot be written.
    static bool write(const QString& path, const QStringList& lines);
    static QByteArray bytes(const QStringList& lines);
};

} // namespace korbelant
