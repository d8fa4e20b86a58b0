#pragma once

#include "expenses/Expense.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace korbelant {

class DateField;
class UiPort;

// "Ausgabe bearbeiten": date, text, depreciation period and price of one purchase. "Ok" takes
// the entries when the price is an amount; Enter moves to the next field.
class TAusgabeNeuForm : public QDialog
{
public:
    static inline const QString kBadAmount = QStringLiteral("Der Betrag ist ungültig.");

    TAusgabeNeuForm(const Expense& expense, UiPort& ui, QWidget* parent = nullptr);

    DateField* dateField() const { return m_date; }
    QLineEdit* textEdit() const { return m_text; }
    QSpinBox* termEdit() const { return m_term; }
    QLineEdit* amountEdit() const { return m_amount; }
    // The purchase with the entries; valid after "Ok".
    const Expense& expense() const { return m_expense; }
    // What "Ok" does: false, with a message, when the price is not an amount.
    bool takeEntries();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    UiPort& m_ui;
    Expense m_expense;
    DateField* m_date;
    QLineEdit* m_text;
    QSpinBox* m_term;
    QLineEdit* m_amount;
};

} // namespace korbelant
