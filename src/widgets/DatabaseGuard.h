#pragma once

#include "core/DatabaseError.h"
#include "core/UiPort.h"

#include <utility>

namespace korbelant {

// Runs one action of a window. A failure of the data store is shown through the UI port instead
// of escaping into the event loop; the window stays usable. Returns whether the action ran through.
template <typename Action> bool guardDatabase(UiPort& ui, Action&& action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const DatabaseError& e) {
        ui.error(e.message());
        return false;
    }
}

} // namespace korbelant
