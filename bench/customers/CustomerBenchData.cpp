#include "CustomerBenchData.h"

#include "core/Database.h"
#include "core/Schema.h"
#include "core/Transaction.h"

#include <QDate>
#include <QRandomGenerator>
#include <QStringList>
#include <QVariantMap>

namespace korbelant {

void fillBenchCustomers(Database& db, int customers)
{
    const QStringList names{"Müller",   "Muller",   "müller",  "Schmidt",    "Schneider", "Fischer",
                            "Weber",    "Meyer",    "Wagner",  "Becker",     "Schulz",    "Hoffmann",
                            "Schäfer",  "Koch",     "Bauer",   "Richter",    "Klein",     "Wolf",
                            "Schröder", "Neumann",  "Schwarz", "Zimmermann", "Braun",     "Krüger",
                            "Hofmann",  "Hartmann", "Lange",   "Schmitt",    "Werner",    "O'Brien"};
    const QStringList first{"Anna",   "Eva", "Maria", "Petra",  "Sabine",
                            "Jürgen", "Ute", "Karin", "Monika", "Renate"};
    const QStringList towns{"Marburg", "Gießen", "Kassel", "Fulda", "Wetzlar", "Köln", "München", "Berlin"};
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    QRandomGenerator random(4711);
    Transaction tx(db);
    for (int i = 0; i < customers; ++i) {
        const QDate birthday = QDate(1940, 1, 1).addDays(random.bounded(25000));
        QVariantMap r{
            {"K_NR", QString::number(100002 + i)},
            {"NAME", names.at(random.bounded(names.size())) + QString::number(random.bounded(500))},
            {"VORNAME", first.at(random.bounded(first.size()))},
            {"STRASSE", QStringLiteral("Weg %1").arg(random.bounded(200))},
            {"PLZ", QString::number(10000 + random.bounded(89999))},
            {"ORT", towns.at(random.bounded(towns.size()))},
            {"TELEFON", QStringLiteral("0%1/%2").arg(random.bounded(9999)).arg(random.bounded(999999))},
            {"GEBURTSTAG", birthday},
            {"KM_ENTF", random.bounded(80)},
            {"GASTGEBER", QStringLiteral("NJSMC").at(random.bounded(5))},
            {"V_ANZAHL", random.bounded(10) == 0 ? 2 : 0},
            {"TEXT", random.bounded(20) == 0 ? QStringLiteral("Stammkundin, 10% Rabatt") : QString()},
            {"E-MAIL", random.bounded(2) ? QStringLiteral("kunde%1@example.de").arg(i) : QString()}};
        if (random.bounded(3) == 0)
            r.insert("L_DATUM", QDate(2020, 1, 1).addDays(random.bounded(2000)));
        if (random.bounded(5) == 0)
            r.insert("N_DATUM", QDate(2026, 1, 1).addDays(random.bounded(300)));
        if (random.bounded(4) == 0)
            r.insert("WiederVorlage", QDate(2026, 1, 1).addDays(random.bounded(300)));
        db.insert(kunden, r);
    }
    tx.commit();
}

} // namespace korbelant
