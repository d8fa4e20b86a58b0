#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant {

// DOS code page 850 (Western Europe), the code page of many dBASE tables of other DOS programs.
// Characters that the code page cannot hold become '?'.
class Cp850
{
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
};

} // namespace korbelant
