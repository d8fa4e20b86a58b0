#include "customers/ui/FieldEditors.h"

#include "widgets/DateField.h"
#include "widgets/TMaskedDateEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
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

DateField* FieldEditors::dateField(QWidget* parent, QObject* dialog, const QString& field, UiPort& ui)
{
    auto* date = new DateField(ui, parent);
    date->setFieldName(field);
    date->edit()->installEventFilter(dialog);
    return date;
}

void FieldEditors::addContactFlags(QBoxLayout* layout, QObject* dialog, QString ContactFlags::Flag::*name,
                                   QHash<QString, QCheckBox*>& boxes)
{
    for (const ContactFlags::Flag& flag : ContactFlags::all()) {
        auto* box = new QCheckBox(flag.caption, layout->parentWidget());
        box->setObjectName(flag.*name);
        box->installEventFilter(dialog);
        boxes.insert(flag.*name, box);
        layout->addWidget(box);
    }
}

} // namespace korbelant
