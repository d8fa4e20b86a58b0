#pragma once

#include "customers/Place.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace korbelant {

class TClientDataModul;

// The places window "Orte": the place directory in postcode or town order with a search field.
// Places can be added in the last, empty row and changed in place; a (postcode, town) that exists
// already is refused by the store. OK, double click or Enter accept the current place; Cancel or
// Escape cancel.
class TOrteForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kByPostcodeTitle = QStringLiteral("Orte sortiert nach Plz ");
    static inline const QString kByTownTitle = QStringLiteral("Orte sortiert nach Ortsname ");

    // All places, or only those given (several towns of one postcode, for instance).
    TOrteForm(TClientDataModul& store, Place::Order order, QWidget* parent = nullptr,
              std::optional<std::vector<Place>> only = std::nullopt);

    // Shows the window modally; the chosen place or nullopt.
    static std::optional<Place> choose(TClientDataModul& store, Place::Order order, QWidget* parent,
                                       std::optional<std::vector<Place>> only = std::nullopt);

    std::optional<Place> currentPlace() const;
    QTableWidget* grid() const { return m_grid; }
    QLineEdit* searchField() const { return m_search; }

private:
    void fill(const std::vector<Place>& places);
    void addAppendRow();
    void setRow(int row, const Place& place);
    Place rowPlace(int row) const;
    void cellEdited(int row);
    bool isAppendRow(int row) const { return row == static_cast<int>(m_places.size()); }

    TClientDataModul& m_store;
    Place::Order m_order;
    std::vector<Place> m_places; // the stored rows, the append row not included
    QLineEdit* m_search = nullptr;
    QTableWidget* m_grid = nullptr;
    bool m_filling = false;
};

} // namespace korbelant
