#pragma once

#include <QString>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace korbelant {

// The small pieces the parts of the guest window are built from.
class GuestWidgets
{
public:
    static QLabel* label(const QString& text, QWidget* buddy = nullptr);
    static QLineEdit* lineEdit(int maxLength, int width);
    // A button that Enter does not press and the mouse does not focus. A description becomes its
    // hint and its accessible name (tests and screen readers find it there).
    static QPushButton* button(const QString& text, const QString& description = {});
    // A read-only list of whole rows with fixed column widths; 0 marks the column that takes the
    // rest.
    static void prepareGrid(QTableView* grid, std::initializer_list<int> widths);
    // Selects the row and scrolls to it; a row outside the list clears the selection.
    static void selectRow(QTableView* grid, int row);
};

} // namespace korbelant
