#pragma once

#include "customers/ContactFlags.h"

#include <QHash>
#include <QString>

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QObject;
class QWidget;

namespace korbelant {

class DateField;
class UiPort;

// The entry fields of the customer dialogs: each is named by its field and watched by its dialog,
// which moves on with Enter.
class FieldEditors
{
public:
    // A text field of at most maxLength characters (no limit for 0).
    static QLineEdit* lineEdit(QWidget* dialog, const QString& field, int maxLength);
    // A date field with its calendar button; its messages and the calendar go through ui.
    static DateField* dateField(QWidget* parent, QObject* dialog, const QString& field, UiPort& ui);
    // A check box for each contact flag, named by the flag's member name, added to the layout and
    // kept in boxes under that name.
    static void addContactFlags(QBoxLayout* layout, QObject* dialog, QString ContactFlags::Flag::*name,
                                QHash<QString, QCheckBox*>& boxes);
};

} // namespace korbelant
