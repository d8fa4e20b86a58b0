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

    // "Daten löschen/zurücksetzen": asks, empties the tables on confirmation and brings the fixed
    // customers back whatever happened.
    static void run(DataSet& set, UiPort& ui, QWidget* parent);

    bool blinkRed() const { return m_red; }

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
