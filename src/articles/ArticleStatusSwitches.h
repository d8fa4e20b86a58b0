#pragma once

namespace korbelant {

// The status switches of the article window's filter. The article window and every chooser of
// articles share one set, kept by the article module.
struct ArticleStatusSwitches
{
    bool showNew = true;
    bool showActive = true;
    bool showInactive = true;
    bool showRemoved = true;
    bool stockOnly = false;
    // Every article passes (set after a chooser closes, so other users of the view see all).
    bool noFiltering = false;
    // Kinds after "90" pass as well (own stock, info texts, wishes, exchanges).
    bool partyMode = false;

    bool operator==(const ArticleStatusSwitches&) const = default;
};

} // namespace korbelant
