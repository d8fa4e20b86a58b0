#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QObject;
class QWidget;

namespace korbelant {

class TMaskedDateEdit;
class UiPort;

// The entry fields of the customer dialogs: each is named by its field and watched by its dialog,
// which moves on with Enter.
class FieldEditors
{
public:
    // A text field of at most maxLength characters (no limit for 0).
    static QLineEdit* lineEdit(QWidget* dialog, const QString& field, int maxLength);
    // A date field (its messages go through ui) with its calendar button "..." beside it, in one
    // box; the caller connects the button.
    struct DateWithButton
    {
        QWidget* box;
        TMaskedDateEdit* edit;
        QPushButton* button;
    };
    static DateWithButton dateWithButton(QWidget* parent, QObject* dialog, const QString& field, UiPort& ui);
};

} // namespace korbelant
