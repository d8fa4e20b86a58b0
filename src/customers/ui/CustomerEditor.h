#pragma once

#include "customers/TClientDataModul.h"

#include <QString>
#include <functional>

namespace korbelant {

// Opens the customer dialog on a record with the given title; true when the user confirmed with
// OK and the customer was stored (the record then holds what was stored).
using CustomerEditor =
    std::function<bool(TClientDataModul::Record& record, bool isNew, const QString& title)>;

} // namespace korbelant
