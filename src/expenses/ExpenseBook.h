#pragma once

#include "expenses/Expense.h"

#include <optional>
#include <vector>

namespace korbelant {

class Database;
class UiPort;

// The expense account: the purchases with their depreciation for a year, stored, changed and
// deleted one at a time.
class ExpenseBook
{
public:
    static inline const QString kDeleteQuestion = QStringLiteral("Wollen Sie die Ausgaben löschen ?");
    static inline const QString kNegativeTerm = QStringLiteral("Die Laufzeit kann nicht kleiner als 0 sein.");

    ExpenseBook(Database& db, UiPort& ui) : m_db(db), m_ui(ui) {}

    // Every purchase by date and order of entry, with the depreciation for the year (nullopt when
    // the year field holds no year).
    std::vector<Expense> expenses(std::optional<int> year) const;
    // The year of the window's year field: four digits, else nullopt.
    static std::optional<int> yearOf(const QString& text);
    // Stores a new purchase (ID 0) or changes a stored one; false, with a message, when its
    // values cannot be taken. A new purchase gets its ID.
    bool store(Expense& expense);
    // Asks and deletes; false when the user says no or it is not there.
    bool remove(qint64 id);

private:
    Database& m_db;
    UiPort& m_ui;
};

} // namespace korbelant
