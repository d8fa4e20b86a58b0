#pragma once

#include <QDialog>

class QLineEdit;

namespace korbelant {

class UiPort;
struct EuroRequest;

// "Euroumstellung :": what is converted, and the word EURO typed as the written confirmation.
class TEuroVerify : public QDialog
{
    Q_OBJECT

public:
    TEuroVerify(const EuroRequest& request, UiPort& ui, QWidget* parent = nullptr);

    // Shows the dialog; true when it was confirmed.
    static bool ask(const EuroRequest& request, UiPort& ui, QWidget* parent);

private:
    void confirmClick();

    UiPort& m_ui;
    QLineEdit* m_confirmation;
};

} // namespace korbelant
