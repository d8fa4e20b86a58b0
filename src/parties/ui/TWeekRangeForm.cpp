#include "parties/ui/TWeekRangeForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace korbelant {

TWeekRangeForm::TWeekRangeForm(const QString& from, const QString& to, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TWeekRangeForm"));
    setWindowTitle(QStringLiteral("Wochen auswählen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Welche Wochen wollen sie drucken ?"), this));
    auto* fields = new QFormLayout;
    for (auto [edit, value, caption] :
         {std::tuple{&m_from, from, "von : "}, std::tuple{&m_to, to, "bis : "}}) {
        *edit = new QLineEdit(value, this);
        (*edit)->setMaxLength(6);
        (*edit)->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), *edit));
        fields->addRow(QString::fromLatin1(caption), *edit);
    }
    layout->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace korbelant
