#include "core/DataReset.h"

#include "core/BackupBeforeChange.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/SqlName.h"
#include "core/Transaction.h"

namespace korbelant {

void DataReset::resetAll(DataSet& set, UiPort& ui, const std::function<void()>& warning)
{
    warning();
    try {
        FixedCustomers(set.db()).EnsureFixedCustomers();
    } catch (const DatabaseError& e) {
        set.log().LogException(e.message(), false, &ui);
    }
}

std::optional<QString> DataReset::emptyTables(DataSet& set)
{
    if (auto failure = BackupBeforeChange::failure(set.db()))
        return failure;
    try {
        DataReset(set.db()).EmptyAllTables();
    } catch (const DatabaseError& e) {
        set.log().LogException(e.message(), true);
        return e.message();
    }
    return std::nullopt;
}

QStringList DataReset::EmptyAllTables()
{
    QStringList emptied;
    struct EnsureAfterwards
    {
        Database& db;
        ~EnsureAfterwards()
        {
            try {
                FixedCustomers(db).EnsureFixedCustomers();
            } catch (const DatabaseError&) {
            }
        }
    } ensure{m_db};

    Transaction tx(m_db);
    try {
        Transaction expenses(m_db);
        m_db.run(QStringLiteral("DELETE FROM Ausgaben"));
        expenses.commit();
        emptied << QStringLiteral("Ausgaben");
    } catch (const DatabaseError&) {
        // A failure with the expense table only skips it.
    }
    for (const char* name :
         {"Kunden", "Tupper1", "Tupper", "Tuppkopf", "Lager", "Ersatzteile", "MWoche", "Woche"}) {
        const QString table = QString::fromLatin1(name);
        if (!m_db.tableExists(table))
            continue;
        m_db.run(QStringLiteral("DELETE FROM ") + SqlName::quote(table));
        emptied << table;
    }
    tx.commit();
    return emptied;
}

} // namespace korbelant
