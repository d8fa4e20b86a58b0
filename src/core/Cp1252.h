#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// Windows code page 1252, the code page of every file exchanged with the distributor and of
// Optionen.ini. Characters that the code page cannot hold become '?'.
class Cp1252
{
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
};

} // namespace korbelant
