#pragma once

#include <QString>

namespace korbelant {

// What a menu entry, button or key of a work area that is not there yet says.
class NotAvailable
{
public:
    static inline const QString kText = QStringLiteral("Diese Funktion ist noch nicht verfügbar.");
};

} // namespace korbelant
