#pragma once

#include <QVariantMap>

namespace korbelant {

class Statement;

// Binds parameters given by name (without the colon) to a prepared statement.
class NamedParams
{
public:
    static void bind(Statement& st, const QVariantMap& params);
};

} // namespace korbelant
