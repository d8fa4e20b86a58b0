#include "customers/ui/FieldEditors.h"

#include "widgets/TMaskedDateEdit.h"

#include <QLineEdit>

namespace korbelant {

QLineEdit* FieldEditors::lineEdit(QWidget* dialog, const QString& field, int maxLength)
{
    auto* e = new QLineEdit(dialog);
    e->setObjectName(field);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->installEventFilter(dialog);
    return e;
}

TMaskedDateEdit* FieldEditors::dateEdit(QWidget* parent, QObject* dialog, const QString& field, UiPort& ui)
{
    auto* e = new TMaskedDateEdit(parent);
    e->setObjectName(field);
    e->setUi(&ui);
    e->installEventFilter(dialog);
    return e;
}

} // namespace korbelant
