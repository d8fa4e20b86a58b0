#include "core/IncompleteRecords.h"

#include "core/Database.h"
#include "core/Transaction.h"

namespace korbelant {

IncompleteRecords::Removed IncompleteRecords::RemoveIncompleteRecords()
{
    static const QString incompleteRow = QStringLiteral("IFNULL(R_NR, '') = '' OR IFNULL(P_NR, '') = '' OR "
                                                        "IFNULL(MWoche, '') = '' OR IFNULL(TWoche, '') = ''");
    Removed removed;
    Transaction tx(m_db);
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE ") + incompleteRow);
    removed.lines = m_db.changes();
    m_db.run(QStringLiteral("DELETE FROM Tupper WHERE ") + incompleteRow);
    removed.participants = m_db.changes();
    m_db.run(QStringLiteral("DELETE FROM Tuppkopf WHERE IFNULL(R_NR, '') = ''"));
    removed.parties = m_db.changes();
    tx.commit();
    return removed;
}

} // namespace korbelant
