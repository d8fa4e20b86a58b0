#include "articles/ui/TWelcheArtikelForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QLineEdit* numberEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(8);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    });
    return edit;
}

} // namespace

TWelcheArtikelForm::TWelcheArtikelForm(const QString& from, QWidget* parent)
    : QDialog(parent), m_from(numberEdit(this)), m_to(numberEdit(this))
{
    setWindowTitle(QStringLiteral("Welche Artikel ?"));
    m_from->setText(from.left(8));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("von : "), m_from);
    form->addRow(QStringLiteral("bis : "), m_to);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    auto* all = buttons->addButton(QStringLiteral("Alle"), QDialogButtonBox::ActionRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(all, &QPushButton::clicked, this, [this] { done(All); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Welche der gezeigten Artikel wollen Sie drucken ?"), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

} // namespace korbelant
