#pragma once

#include "customers/Place.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace korbelant {

class TClientDataModul;

// The distance window "Entfernungen sortiert nach Postleitzahlen": the distance table with a
// search field on the postcode. OK or double click accept the current row, Cancel cancels.
class TKMForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Entfernungen sortiert nach Postleitzahlen");

    explicit TKMForm(TClientDataModul& store, QWidget* parent = nullptr);
    static std::optional<Distance> choose(TClientDataModul& store, QWidget* parent);

    std::optional<Distance> currentDistance() const;
    QTableWidget* grid() const { return m_grid; }
    QLineEdit* searchField() const { return m_search; }

private:
    std::vector<Distance> m_distances;
    QLineEdit* m_search = nullptr;
    QTableWidget* m_grid = nullptr;
};

} // namespace korbelant
