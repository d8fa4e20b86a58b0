#pragma once

#include "customers/TClientDataModul.h"

#include <QString>
#include <functional>

namespace korbelant {

// Opens the customer dialog on a record with the given title; true when the user confirmed
// with OK (the record then holds the entries, not yet stored).
using CustomerEditor = std::function<bool(TClientDataModul::Record& record, const QString& title)>;

} // namespace korbelant
