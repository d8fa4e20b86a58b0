#include "expenses/ui/TSonstAusgabenForm.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "expenses/ExpenseListReport.h"
#include "expenses/ui/TAusgabeNeuForm.h"
#include "reports/ui/ReportPreview.h"
#include "widgets/GridColumns.h"
#include "widgets/WeekEntry.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace korbelant {

TSonstAusgabenForm::TSonstAusgabenForm(DataSet& set, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_book(set.db(), ui), m_year(WeekEntry::digitField(this, 4)),
      m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Vorlix-Soft Korbelant Ausgabenverwaltung"));
    m_editor = [this](Expense& e) {
        TAusgabeNeuForm dialog(e, m_ui, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        e = dialog.expense();
        return true;
    };
    auto* tools = new QToolBar(this);
    const auto action = [this, tools](const QString& text, const QString& hint,
                                      void (TSonstAusgabenForm::*run)()) {
        QAction* a = tools->addAction(text, this, run);
        a->setObjectName(text);
        a->setToolTip(hint.isEmpty() ? text : hint);
        a->setStatusTip(hint);
    };
    action(QStringLiteral("Neu"), QStringLiteral("Neue Ausgabe anlegen"), &TSonstAusgabenForm::newExpense);
    action(QStringLiteral("Bearbeiten"), QString(), &TSonstAusgabenForm::editExpense);
    action(QStringLiteral("Löschen"), QStringLiteral("Ausgabe löschen"), &TSonstAusgabenForm::deleteExpense);
    action(QStringLiteral("Drucken"), QStringLiteral("Sonstige Ausgaben drucken."),
           &TSonstAusgabenForm::print);
    tools->addAction(QStringLiteral("Verlassen"), this, &QDialog::accept);
    m_year->setObjectName(QStringLiteral("Jahr"));
    m_year->setText(QString::number(QDate::currentDate().year()));
    connect(m_year, &QLineEdit::textChanged, this, [this] { refresh(); });
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(new QLabel(QStringLiteral("Jahr :"), this));
    yearRow->addWidget(m_year);
    yearRow->addStretch();
    m_grid->setColumnCount(4);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Text der Ausgabe"),
                                       QStringLiteral("Laufzeit"), QStringLiteral("Betrag")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { editExpense(); });
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(tools);
    layout->addLayout(yearRow);
    layout->addWidget(m_grid, 1);
    resize(720, 480);
    refresh();
}

void TSonstAusgabenForm::refresh()
{
    const int row = m_grid->currentRow();
    m_expenses = m_book.expenses(ExpenseBook::yearOf(m_year->text()));
    m_grid->setRowCount(static_cast<int>(m_expenses.size()));
    for (int r = 0; r < static_cast<int>(m_expenses.size()); ++r) {
        const Expense& e = m_expenses[static_cast<size_t>(r)];
        const QStringList cells{GermanFormat::date(e.AUSDATUM), e.ATEXT, QString::number(e.LAUFZEIT),
                                GermanFormat::number(e.BETRAG, 2)};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    GridColumns::fitToContents(m_grid);
    selectRow(std::min(row, m_grid->rowCount() - 1));
}

void TSonstAusgabenForm::selectRow(int row)
{
    if (row >= 0)
        m_grid->selectRow(row);
}

const Expense* TSonstAusgabenForm::current() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= static_cast<int>(m_expenses.size()))
        return nullptr;
    return &m_expenses[static_cast<size_t>(row)];
}

bool TSonstAusgabenForm::edit(Expense& expense)
{
    if (!m_editor(expense) || !m_book.store(expense))
        return false;
    refresh();
    return true;
}

void TSonstAusgabenForm::newExpense()
{
    Expense e;
    e.AUSDATUM = QDate::currentDate();
    if (edit(e)) {
        for (int r = 0; r < static_cast<int>(m_expenses.size()); ++r) {
            if (m_expenses[static_cast<size_t>(r)].ID == e.ID)
                selectRow(r);
        }
    }
}

void TSonstAusgabenForm::editExpense()
{
    if (const Expense* e = current()) {
        Expense changed = *e;
        edit(changed);
    }
}

void TSonstAusgabenForm::deleteExpense()
{
    if (const Expense* e = current()) {
        if (m_book.remove(e->ID))
            refresh();
    }
}

void TSonstAusgabenForm::print()
{
    const auto year = ExpenseBook::yearOf(m_year->text());
    if (!year)
        return;
    ReportPreview::show(ExpenseListReport::Name, m_set, {QString::number(*year)}, m_ui, this);
}

} // namespace korbelant
