#pragma once

#include <QString>

namespace korbelant {

// The printed name of a guest type (GASTGEBER of a customer), decoded without regard to case;
// any other stored value prints as it is stored.
class GuestTypeName
{
public:
    static QString printed(const QString& code);
};

} // namespace korbelant
