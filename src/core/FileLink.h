#pragma once

#include <QString>

namespace korbelant {

// A second name for a file that is never written again (a checked backup copy): a hard link where
// the file system has them, else a copy. An existing file of that name is replaced only once the
// new one is complete.
class FileLink
{
public:
    static bool linkOrCopy(const QString& from, const QString& to);
};

} // namespace korbelant
