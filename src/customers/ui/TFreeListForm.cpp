#include "customers/ui/TFreeListForm.h"

#include "customers/CustomerListReport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

TFreeListForm::TFreeListForm(int fields, QWidget* parent)
    : QDialog(parent), m_title(new QLineEdit(CustomerListReport::kFreeTitle, this))
{
    setWindowTitle(fields == 4 ? QStringLiteral("Freie Kurzliste(Quer) mit vier Feldern")
                               : QStringLiteral("Wählen Sie die Felder für ihre freie Kurzliste"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        fields == 4 ? QStringLiteral("Hier können Sie vier zusätzliche Felder für die  Kurzliste wählen:")
                    : QStringLiteral("Hier können Sie zwei zusätzliche Felder für die  Kurzliste wählen:"),
        this));
    auto* fixed =
        new QLabel(QStringLiteral("Kunden-Nr.  |  Name, Vorname  |  Plz Ort Strasse  |  Telefon"), this);
    fixed->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(fixed);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Titel :"), m_title);
    for (int i = 0; i < fields; ++i) {
        auto* box = new QComboBox(this);
        box->addItems(CustomerListReport::freeFieldChoices());
        m_fields << box;
        form->addRow(QStringLiteral("Feld%1:").arg(i + 1), box);
    }
    layout->addLayout(form);
    if (fields == 2)
        layout->addWidget(new QLabel(QStringLiteral("Tipp : Wenn Sie das zweite Feld leer lassen, haben Sie "
                                                    "mehr freien Platz für das erste Feld."),
                                     this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* preview = new QPushButton(QStringLiteral("&Vorschau"), this);
    auto* cancel = new QPushButton(QStringLiteral("A&bbrechen"), this);
    preview->setDefault(true);
    buttons->addWidget(preview);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(preview, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFreeListForm::title() const
{
    return m_title->text();
}

QStringList TFreeListForm::fields() const
{
    QStringList chosen;
    for (const QComboBox* box : m_fields)
        chosen << box->currentText();
    return chosen;
}

} // namespace korbelant
