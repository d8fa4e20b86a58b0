#pragma once

#include <QPixmap>

namespace korbelant {

// The program's picture for the load window and the information box: a storage bowl with its lid.
class LogoPicture
{
public:
    static QPixmap draw(int size);
};

} // namespace korbelant
