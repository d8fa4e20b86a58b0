#pragma once

#include <QDialog>

class QLineEdit;

namespace korbelant {

class UiPort;

// "€uroumrechner für Einzelbeträge :": one amount from D-Mark to Euro or back. It stays on top
// of the program's windows and does not block them.
class TEuroRechner : public QDialog
{
    Q_OBJECT

public:
    explicit TEuroRechner(UiPort& ui, QWidget* parent = nullptr);

    // Shows the calculator of the window, making it when there is none yet.
    static TEuroRechner* showFor(UiPort& ui, QWidget* parent);

private:
    void toEuro();
    void toDm();

    UiPort& m_ui;
    QLineEdit* m_dm;
    QLineEdit* m_euro;
};

} // namespace korbelant
