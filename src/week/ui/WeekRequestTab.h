#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;

namespace korbelant {

class SpinEdit;
class TWocheDataModul;
class UiPort;

// The tab "Anforderungen/Posten": the request items of the week, and the current one with its
// quantity, changed with the spin buttons and stored at once. A week without items shows a note
// on how to get them instead of the grid.
class WeekRequestTab : public QWidget
{
    Q_OBJECT

public:
    WeekRequestTab(TWocheDataModul& week, UiPort& ui, QWidget* parent = nullptr);

    // Reads the items of the current week again.
    void refresh();
    QTableWidget* grid() const { return m_grid; }
    bool showsNote() const;
    SpinEdit* quantity() const { return m_quantity; }

private:
    QWidget* currentItemPanel();
    void showCurrent();
    void spin(bool up);

    TWocheDataModul& m_week;
    UiPort& m_ui;
    QStackedWidget* m_pages;
    QTableWidget* m_grid;
    QLabel* m_note;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QLineEdit* m_max;
    SpinEdit* m_quantity;
};

} // namespace korbelant
