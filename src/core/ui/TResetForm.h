#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QTimer;

namespace korbelant {

class DataSet;
class UiPort;

// The warning before all tables are emptied. It blinks, and it lets the tables go only when the
// word LEEREN is typed into it.
class TResetForm : public QDialog
{
    Q_OBJECT

public:
    TResetForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    // "Daten löschen/zurücksetzen" with this window as its warning (DataReset::resetAll).
    static void run(DataSet& set, UiPort& ui, QWidget* parent);

    bool blinkRed() const { return m_red; }
    // Changes the colour of the warning every half second until the tables are emptied.
    QTimer* blinkTimer() const { return m_timer; }

private:
    void blink();
    void confirmClick();

    DataSet& m_set;
    UiPort& m_ui;
    QFrame* m_frame;
    QLabel* m_warning;
    QLineEdit* m_confirmation;
    QTimer* m_timer;
    bool m_red = true;
};

} // namespace korbelant
