#pragma once

#include <optional>

namespace korbelant {

// The up and down buttons beside the counts of the party dialog ("Gäste", "Rekrutierungen").
// An empty count is nullopt.
class CountStepper
{
public:
    // Empty becomes 1, anything else grows by 1.
    static int up(std::optional<int> count) { return count ? *count + 1 : 1; }
    // Empty stays empty, 0 or less becomes 0, anything else shrinks by 1.
    static std::optional<int> down(std::optional<int> count)
    {
        if (!count)
            return std::nullopt;
        return *count <= 0 ? 0 : *count - 1;
    }
};

} // namespace korbelant
