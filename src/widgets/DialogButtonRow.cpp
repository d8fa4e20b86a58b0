#include "widgets/DialogButtonRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace korbelant {

DialogButtonRow::Buttons DialogButtonRow::create(QDialog* dialog, const QString& okText,
                                                 const QString& cancelText)
{
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName(QStringLiteral("Ok"));
    auto* cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, cancel, row};
}

} // namespace korbelant
