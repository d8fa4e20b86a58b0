#pragma once

#include "customers/Place.h"

#include <optional>
#include <vector>

namespace korbelant {

// The places window as the customer store asks it to choose among several places of one postcode
// or town: the chosen place, or nullopt when the user cancels.
class PlaceChooser
{
public:
    virtual ~PlaceChooser() = default;
    virtual std::optional<Place> choosePlace(const std::vector<Place>& places, Place::Order order) = 0;
};

} // namespace korbelant
