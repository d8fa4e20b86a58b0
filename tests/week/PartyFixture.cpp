#include "week/PartyFixture.h"

#include "core/Database.h"
#include "core/Schema.h"

#include <QVariantMap>

namespace korbelant::test {

void insertParty(Database& db, const QString& rnr, const QString& week, const QString& partWeek, const QString& customer,
                 int appointments, int guests, int stars, double starAmount, double turnover, double expenses,
                 double weightedTurnover, double competitionTurnover)
{
    db.insert(Schema::get(QStringLiteral("Tuppkopf")),
              {{QStringLiteral("R_NR"), rnr},
               {QStringLiteral("MWoche"), week},
               {QStringLiteral("TWoche"), partWeek},
               {QStringLiteral("K_NR"), customer},
               {QStringLiteral("VERABRED"), appointments},
               {QStringLiteral("GAESTE"), guests},
               {QStringLiteral("STERNE"), stars},
               {QStringLiteral("STERNE_DM"), starAmount},
               {QStringLiteral("S_UMSATZ"), turnover},
               {QStringLiteral("S_AUSGABE"), expenses},
               {QStringLiteral("VKG_UMSATZ"), weightedTurnover},
               {QStringLiteral("WB_UMSATZ"), competitionTurnover}});
}

void insertParties(Database& db)
{
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    db.insert(kunden, {{QStringLiteral("K_NR"), QStringLiteral("100010")},
                       {QStringLiteral("NAME"), QStringLiteral("Müller")},
                       {QStringLiteral("VORNAME"), QStringLiteral("Anna")}});
    db.insert(kunden, {{QStringLiteral("K_NR"), QStringLiteral("100011")},
                       {QStringLiteral("NAME"), QStringLiteral("Brandt")},
                       {QStringLiteral("VORNAME"), QStringLiteral("Ute")}});
    insertParty(db, QStringLiteral("261225A"), QStringLiteral("202552"), QStringLiteral("1"), QStringLiteral("100011"),
                1, 5, 10, 2.5, 100, 10, 90, 80);
    // Entered out of order: the report follows the week index, not the order of entry.
    insertParty(db, QStringLiteral("070126A"), QStringLiteral("202601"), QStringLiteral("2"), QStringLiteral("123456"),
                3, 12, 40, 20, 1200.25, 120, 1100, 1000);
    insertParty(db, QStringLiteral("050126A"), QStringLiteral("202601"), QStringLiteral("1"), QStringLiteral("100010"),
                2, 8, 25, 12.5, 400.5, 40, 380.5, 350);
    insertParty(db, QStringLiteral("140126A"), QStringLiteral("202602"), QStringLiteral("1"), QStringLiteral("100011"),
                0, 6, 15, 7.5, 300, 30, 290, 280);
    insertParty(db, QStringLiteral("030226A"), QStringLiteral("202605"), QStringLiteral("1"), QStringLiteral("100010"),
                1, 4, 5, 0, 50, 5, 45, 40);
}

} // namespace korbelant::test
