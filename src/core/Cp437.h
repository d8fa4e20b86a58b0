#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// DOS code page 437, the code page of the dBASE tables the program writes for other programs.
// Characters that the code page cannot hold become '?'.
class Cp437
{
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
};

} // namespace korbelant
