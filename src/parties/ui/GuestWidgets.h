#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QBoxLayout;
class QLabel;
class QObject;
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

    // A push button: its caption, a description (may be empty) and what a click does.
    struct Button
    {
        const char* caption;
        const char* description;
        std::function<void()> action;
    };
    // Adds buttons that Enter does not press and the mouse does not focus to a row or column; a
    // description becomes the button's hint and accessible name (tests and screen readers find it
    // there). The buttons in their order.
    static QList<QPushButton*> addButtons(QBoxLayout* layout, QObject* context,
                                          std::initializer_list<Button> buttons);
    // A read-only list of whole rows in a font a step smaller than the window's. Each column is
    // as wide as its head or its widest text (of several one a line), whichever is wider; an empty
    // text marks the column that takes the rest.
    static void prepareGrid(QTableView* grid, const QStringList& widest);
    // The font of the lists, the letter row and the address: one point smaller than the given one.
    static QFont smallerFont(QFont font);
    // Selects the row and scrolls to it; a row outside the list clears the selection.
    static void selectRow(QTableView* grid, int row);
};

} // namespace korbelant
