#pragma once

#include "customers/PlaceChooser.h"

class QWidget;

namespace korbelant {

class TClientDataModul;

// The store's choice among several places, answered by the places window.
class OrteChooser : public PlaceChooser
{
public:
    OrteChooser(TClientDataModul& store, QWidget* parent) : m_store(store), m_parent(parent) {}
    std::optional<Place> choosePlace(const std::vector<Place>& places, Place::Order order) override;

private:
    TClientDataModul& m_store;
    QWidget* m_parent;
};

} // namespace korbelant
