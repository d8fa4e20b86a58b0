#include "customers/ui/FieldEditors.h"

#include "widgets/TMaskedDateEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

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

FieldEditors::DateWithButton FieldEditors::dateWithButton(QWidget* parent, QObject* dialog, const QString& field, UiPort& ui)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* edit = new TMaskedDateEdit(box);
    edit->setObjectName(field);
    edit->setUi(&ui);
    edit->installEventFilter(dialog);
    row->addWidget(edit);
    auto* button = new QPushButton(QStringLiteral("..."), box);
    button->setObjectName(field + QStringLiteral("Button"));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    return {box, edit, button};
}

} // namespace korbelant
