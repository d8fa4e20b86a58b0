#pragma once

#include <QString>

namespace korbelant {

// The folder the exchange folder dialog hands back: a local folder (disk, stick, a fixed path)
// or the Online folder of the web transfer.
struct ExchangeTarget
{
    QString folder;
    bool online = false;
};

} // namespace korbelant
