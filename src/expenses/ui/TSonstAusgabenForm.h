#pragma once

#include "expenses/ExpenseBook.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace korbelant {

class DataSet;
class UiPort;

// "Ausgabenverwaltung": the purchases of the expense account with their depreciation for the
// year of "Jahr :", entered, changed, deleted and printed as the expense list.
class TSonstAusgabenForm : public QDialog
{
public:
    // Edits a purchase in the dialog; true when confirmed. Tests put their own in.
    using Editor = std::function<bool(Expense&)>;

    TSonstAusgabenForm(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    void setEditor(Editor editor) { m_editor = std::move(editor); }
    QLineEdit* yearEdit() const { return m_year; }
    QTableWidget* grid() const { return m_grid; }
    const std::vector<Expense>& expenses() const { return m_expenses; }
    // Reads the purchases with the depreciation of the year typed.
    void refresh();
    void newExpense();
    void editExpense();
    void deleteExpense();
    void print();
    void selectRow(int row);

private:
    const Expense* current() const;
    bool edit(Expense& expense);

    DataSet& m_set;
    UiPort& m_ui;
    ExpenseBook m_book;
    Editor m_editor;
    QLineEdit* m_year;
    QTableWidget* m_grid;
    std::vector<Expense> m_expenses;
};

} // namespace korbelant
