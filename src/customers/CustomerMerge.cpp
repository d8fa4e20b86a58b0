#include "customers/CustomerMerge.h"

#include "core/BackupBeforeChange.h"
#include "core/Database.h"
#include "core/FixedCustomers.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "customers/TClientDataModul.h"

namespace korbelant {

QString CustomerMerge::pickerTitle(const QString& first)
{
    return QStringLiteral("Wählen Sie den Kunden aus der mit dem Kunden ") + first +
           QStringLiteral(" zusammengeführt werden soll.");
}

QString CustomerMerge::question(const QString& first, const QString& second)
{
    return QStringLiteral("Wollen Sie den Kunden ") + second + QStringLiteral(" mit dem Kunden ") + first +
           QStringLiteral(" zusammenführen  ?");
}

bool CustomerMerge::Vereinen(const QString& first, const QString& second)
{
    if (m_store.ui().question(question(first, second), UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return false;
    return merge(first, second);
}

bool CustomerMerge::merge(const QString& first, const QString& second)
{
    const QString k1 = first.trimmed();
    const QString k2 = second.trimmed();
    UiPort& ui = m_store.ui();
    // Checked before anything moves: a merge is done completely or not at all.
    if (FixedCustomers::isFixed(k2)) {
        ui.information(TClientDataModul::kReservedMessage);
        return false;
    }
    if (k1 == k2) {
        ui.information(QStringLiteral("Ein Kunde kann nicht mit sich selbst zusammengeführt werden."));
        return false;
    }
    Database& db = m_store.db();
    for (const QString& number : {k1, k2}) {
        if (!db.scalar(QStringLiteral("SELECT 1 FROM Kunden WHERE K_NR = ?"), {number}).isValid()) {
            ui.information(QStringLiteral("Den Kunden %1 gibt es nicht.").arg(number));
            return false;
        }
    }
    if (!BackupBeforeChange::make(db, ui))
        return false;
    Transaction tx(db);
    db.run(QStringLiteral("UPDATE Tupper SET K_NR = ? WHERE K_NR = ?"), {k1, k2});
    db.run(QStringLiteral("UPDATE Tuppkopf SET K_NR = ? WHERE K_NR = ?"), {k1, k2});
    if (!m_store.deleteCustomer(k2))
        return false;
    tx.commit();
    return true;
}

} // namespace korbelant
