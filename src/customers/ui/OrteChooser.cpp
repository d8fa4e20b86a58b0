#include "customers/ui/OrteChooser.h"

#include "customers/ui/TOrteForm.h"

namespace korbelant {

std::optional<Place> OrteChooser::choosePlace(const std::vector<Place>& places, Place::Order order)
{
    return TOrteForm::choose(m_store, order, m_parent, places);
}

} // namespace korbelant
