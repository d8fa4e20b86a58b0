#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;

namespace korbelant {

// The confirm and cancel buttons at the right of a dialog's last row ("Ok" and "Abbrechen" by
// object name). Cancel rejects the dialog; what confirming does is the caller's.
class DialogButtonRow
{
public:
    struct Buttons
    {
        QPushButton* ok;
        QPushButton* cancel;
        QHBoxLayout* row;
    };

    static Buttons create(QDialog* dialog, const QString& okText, const QString& cancelText);
};

} // namespace korbelant
