#include "euro/ui/TEuroVerify.h"

#include "core/UiPort.h"
#include "euro/EuroConversion.h"
#include "euro/EuroRequest.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

TEuroVerify::TEuroVerify(const EuroRequest& request, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_confirmation(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TEuroVerify"));
    setWindowTitle(QStringLiteral("Euroumstellung :"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* scope = new QLabel(request.scopeText(), this);
    scope->setObjectName(QStringLiteral("Scope"));
    auto* articles = new QLabel(request.articlesText(), this);
    articles->setObjectName(QStringLiteral("Articles"));
    form->addRow(QStringLiteral("Daten umrechnen:"), scope);
    form->addRow(QStringLiteral("Artikeldatei :"), articles);
    m_confirmation->setObjectName(QStringLiteral("Confirmation"));
    m_confirmation->setMaxLength(4);
    // Shown in capitals; the word is compared in capitals as well.
    QFont capitals = m_confirmation->font();
    capitals.setCapitalization(QFont::AllUppercase);
    m_confirmation->setFont(capitals);
    form->addRow(QStringLiteral("Schriftliche Bestätigung :"), m_confirmation);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* convert = new QPushButton(QStringLiteral("&Daten umrechnen"), this);
    convert->setObjectName(QStringLiteral("ConvertButton"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setDefault(true);
    connect(convert, &QPushButton::clicked, this, &TEuroVerify::confirmClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(convert);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void TEuroVerify::confirmClick()
{
    if (!EuroConversion::isConfirmed(m_confirmation->text())) {
        m_ui.information(EuroConversion::kConfirmPlease);
        m_confirmation->setFocus();
        return;
    }
    accept();
}

bool TEuroVerify::ask(const EuroRequest& request, UiPort& ui, QWidget* parent)
{
    TEuroVerify dialog(request, ui, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace korbelant
