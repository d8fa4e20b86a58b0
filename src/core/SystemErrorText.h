#pragma once

#include <QFileDevice>
#include <QString>

namespace korbelant {

// The program's own German words for the errors the operating system and Qt's file classes
// report, in place of their English texts. Unknown numbers read "Systemfehler N".
class SystemErrorText
{
public:
    static QString fromErrno(int error);
    // A file operation's failure: the error number saved right after it when there is one,
    // else the kind of failure the file reports.
    static QString fromFile(QFileDevice::FileError error, int savedErrno = 0);
};

} // namespace korbelant
