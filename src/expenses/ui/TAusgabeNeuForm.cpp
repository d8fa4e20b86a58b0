#include "expenses/ui/TAusgabeNeuForm.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "widgets/DateField.h"
#include "widgets/DialogButtonRow.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korbelant {

TAusgabeNeuForm::TAusgabeNeuForm(const Expense& expense, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_expense(expense), m_date(new DateField(ui, this)),
      m_text(new QLineEdit(this)), m_term(new QSpinBox(this)), m_amount(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Ausgabe bearbeiten"));
    m_date->setFieldName(QStringLiteral("AUSDATUM"));
    m_date->setDate(expense.AUSDATUM);
    m_text->setObjectName(QStringLiteral("ATEXT"));
    m_text->setMaxLength(85);
    m_text->setText(expense.ATEXT);
    m_term->setObjectName(QStringLiteral("LAUFZEIT"));
    m_term->setRange(0, 99);
    m_term->setValue(expense.LAUFZEIT);
    m_amount->setObjectName(QStringLiteral("BETRAG"));
    m_amount->setText(GermanFormat::number(expense.BETRAG, 2));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Datum :"), m_date);
    form->addRow(QStringLiteral("Text :"), m_text);
    form->addRow(QStringLiteral("Laufzeit :"), m_term);
    form->addRow(QStringLiteral("Betrag :"), m_amount);
    const DialogButtonRow::Buttons buttons =
        DialogButtonRow::create(this, QStringLiteral("Ok"), QStringLiteral("Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        if (takeEntries())
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

bool TAusgabeNeuForm::takeEntries()
{
    const auto amount = GermanFormat::parseAmount(m_amount->text().trimmed());
    if (!amount || !m_date->checkEntry()) {
        if (!amount)
            m_ui.warning(kBadAmount);
        return false;
    }
    m_expense.AUSDATUM = m_date->date();
    m_expense.ATEXT = m_text->text();
    m_expense.LAUFZEIT = m_term->value();
    m_expense.BETRAG = *amount;
    return true;
}

void TAusgabeNeuForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace korbelant
