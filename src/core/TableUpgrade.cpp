#include "core/TableUpgrade.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "core/SqlName.h"

namespace korbelant {

namespace {

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* n : list)
        result << QString::fromLatin1(n);
    return result;
}

} // namespace

QStringList TableUpgrade::addMissing(const QString& table, const QStringList& fields)
{
    QStringList added;
    if (!m_db.tableExists(table))
        return added;
    const QStringList present = m_db.columns(table);
    const TableDef& def = Schema::get(table);
    for (const QString& name : fields) {
        if (present.contains(name, Qt::CaseInsensitive))
            continue;
        try {
            m_db.execScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                .arg(SqlName::quote(def.name), def.field(name)->columnSql()));
            m_db.schemaChanged();
            added << def.name + QLatin1Char('.') + name;
        } catch (const DatabaseError&) {
            // A table that still lacks the field fails later when it is opened.
        }
    }
    return added;
}

QStringList TableUpgrade::UpgradeTables()
{
    QStringList added = addMissing(QStringLiteral("Tuppkopf"), names({"VF_TEXT"}));
    const QStringList weighted =
        addMissing(QStringLiteral("Tuppkopf"), names({"VKG_UMSATZ", "WB_UMSATZ", "BZH_VF_NR", "BZH_VF_ART"}));
    if (!weighted.isEmpty())
        fillWeightedTurnover();
    added << weighted;
    added << addMissing(QStringLiteral("Lager"), names({"PROV_SATZ", "BER_PREIS", "MU_SPERR", "VK_SPERRE",
                                                        "FG_DATUM", "BESTAND", "WSPERRE", "WFREIGAB"}));
    const QStringList contact = addMissing(
        QStringLiteral("Kunden"), names({"L_TELEFON", "L_MAIL", "L_BRIEF", "B_WARINBZH", "B_WARBZHKV",
                                         "BI_BZH_KV", "BI_BZH_VERAN", "BZH_VERANSTALT"}));
    if (!contact.isEmpty())
        fillDistributorFlags();
    added << contact;
    addMissingIndexes();
    return added;
}

void TableUpgrade::addMissingIndexes()
{
    for (const TableDef& def : Schema::createdTables()) {
        if (!m_db.tableExists(def.name))
            continue;
        for (const IndexDef& index : def.indexes) {
            const QString stored = def.storedIndexName(index.name);
            if (m_db.scalar(QStringLiteral(
                                "SELECT COUNT(*) FROM sqlite_schema WHERE type = 'index' AND name = ?"),
                            {stored})
                    .toInt() > 0)
                continue;
            try {
                m_db.execScript(def.createIndexSql(index));
                m_db.schemaChanged();
            } catch (const DatabaseError&) {
                // a table without the indexed fields is rebuilt by the repair
            }
        }
    }
}

void TableUpgrade::fillWeightedTurnover()
{
    if (!m_db.tableExists(QStringLiteral("Tupper1")) || !m_db.tableExists(QStringLiteral("VA")))
        return;
    try {
        m_db.run(QStringLiteral("UPDATE Tuppkopf SET "
                                "VKG_UMSATZ = (SELECT IFNULL(SUM(t.SUMME * v.UMSATZ_VKG), 0) FROM Tupper1 t "
                                "JOIN VA v ON v.VA = t.VA "
                                "              WHERE t.R_NR = Tuppkopf.R_NR), "
                                "WB_UMSATZ = (SELECT IFNULL(SUM(t.SUMME * v.UMSATZ_WB), 0) FROM Tupper1 t "
                                "JOIN VA v ON v.VA = t.VA "
                                "             WHERE t.R_NR = Tuppkopf.R_NR) "
                                "WHERE EXISTS (SELECT 1 FROM Tupper1 t WHERE t.R_NR = Tuppkopf.R_NR)"));
    } catch (const DatabaseError&) {
    }
}

void TableUpgrade::fillDistributorFlags()
{
    for (const char* field : {"B_WARINBZH", "B_WARBZHKV", "BI_BZH_KV", "BI_BZH_VERAN"}) {
        const QString quoted = SqlName::quote(QString::fromLatin1(field));
        try {
            m_db.run(QStringLiteral("UPDATE Kunden SET %1 = 'N' WHERE IFNULL(%1, '') = ''").arg(quoted));
        } catch (const DatabaseError&) {
        }
    }
}

} // namespace korbelant
