#include "articles/ArticleMerge.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/LagerFields.h"
#include "core/Transaction.h"

namespace korbelant {

ArticleMerge::Result ArticleMerge::merge(Database& db, bool replaceAll)
{
    try {
        Transaction transaction(db);
        if (replaceAll)
            db.run(QStringLiteral("DELETE FROM Lager"));
        Result result;
        result.matched = takeOverFound(db);
        result.removed = markMissing(db);
        append(db);
        transaction.commit();
        return result;
    } catch (const DatabaseError& e) {
        throw DatabaseError(kNotTaken, e.code());
    }
}

// The new record of an article found again takes its stock; it is active unless its sale is
// locked. The catalogue record then goes, the new one replaces it.
int ArticleMerge::takeOverFound(Database& db)
{
    db.run(QStringLiteral("UPDATE LagerTemp SET AKTIV = CASE WHEN VK_SPERRE = 'J' THEN 0 ELSE 1 END, "
                          "ENTFERNT = 0, NEU = 0, "
                          "BESTAND = (SELECT l.BESTAND FROM Lager l WHERE l.L_NR = LagerTemp.L_NR) "
                          "WHERE EXISTS (SELECT 1 FROM Lager l WHERE l.L_NR = LagerTemp.L_NR)"));
    const int matched = db.changes();
    db.run(QStringLiteral("DELETE FROM Lager WHERE L_NR IN (SELECT L_NR FROM LagerTemp)"));
    return matched;
}

// Every article left in the catalogue is missing from the new list. One that was active and not
// yet marked is marked dropped now; one marked by an earlier import, or inactive, loses the mark.
int ArticleMerge::markMissing(Database& db)
{
    const QString newlyMissing = QStringLiteral("COALESCE(AKTIV, 0) <> 0 AND COALESCE(ENTFERNT, 0) = 0");
    const int removed = db.scalar(QStringLiteral("SELECT count(*) FROM Lager WHERE ") + newlyMissing).toInt();
    db.run(QStringLiteral("UPDATE Lager SET ENTFERNT = CASE WHEN %1 THEN 1 ELSE 0 END, AKTIV = 0, NEU = 0")
               .arg(newlyMissing));
    return removed;
}

void ArticleMerge::append(Database& db)
{
    const QString fields = db.columns(QStringLiteral("Lager")).join(QStringLiteral(", "));
    db.run(QStringLiteral("INSERT OR IGNORE INTO Lager (%1) SELECT %1 FROM LagerTemp").arg(fields));
}

} // namespace korbelant
