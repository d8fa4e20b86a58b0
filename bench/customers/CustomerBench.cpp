// Timing of the customer window's data work on a large data set: 20,000 customers, opened in
// name order, filtered, re-sorted.   korbelant-customer-bench [CUSTOMERS]
#include "core/DataHome.h"
#include "core/Database.h"
#include "core/Installation.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "customers/CustomerFilter.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<int()>& work)
{
    QElapsedTimer t;
    t.start();
    const int rows = work();
    out << QStringLiteral("%1 %2 ms (%3 Zeilen)").arg(what, -52).arg(t.nsecsElapsed() / 1e6, 8, 'f', 1).arg(rows) << Qt::endl;
}

void fill(Database& db, int customers)
{
    const QStringList names{"Müller", "Muller", "müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker",
                            "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf", "Schröder", "Neumann",
                            "Schwarz", "Zimmermann", "Braun", "Krüger", "Hofmann", "Hartmann", "Lange", "Schmitt", "Werner", "O'Brien"};
    const QStringList first{"Anna", "Eva", "Maria", "Petra", "Sabine", "Jürgen", "Ute", "Karin", "Monika", "Renate"};
    const QStringList towns{"Marburg", "Gießen", "Kassel", "Fulda", "Wetzlar", "Köln", "München", "Berlin"};
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    QRandomGenerator random(4711);
    Transaction tx(db);
    for (int i = 0; i < customers; ++i) {
        const QDate birthday = QDate(1940, 1, 1).addDays(random.bounded(25000));
        QVariantMap r{{"K_NR", QString::number(100002 + i)},
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int customers = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const DataHome home(dir.path());
    Installation::init(home);
    auto db = Database::open(home.databaseFile(), Database::Mode::OpenExisting);
    timed(QStringLiteral("Anlegen von %1 Kunden").arg(customers), [&] {
        fill(*db, customers);
        return customers;
    });

    ScriptedUi ui;
    TClientDataModul store(*db, ui);
    CustomerView view(*db);
    timed(QStringLiteral("Öffnen: alle Kunden nach Name + Vorname"), [&] { return static_cast<int>(view.rows().size()); });
    // The same SQL stepped through directly, without making rows of it.
    timed(QStringLiteral("  zum Vergleich: dieselbe Abfrage direkt in SQLite"), [&] {
        Statement st = db->prepare(QStringLiteral("SELECT K_NR, NAME, VORNAME, STRASSE, PLZ, ORT, TELEFON, \"E-MAIL\", V_ANZAHL, "
                                                  "GASTGEBER, N_DATUM, N_ZEIT, WiederVorlage, MCODE FROM Kunden ORDER BY ") +
                                   view.orderBy());
        int n = 0;
        while (st.next())
            ++n;
        return n;
    });
    timed(QStringLiteral("Datenbankzähler"), [&] { return store.customerCount(); });

    const std::vector<std::pair<QString, QVariantMap>> filters{
        {QStringLiteral("Filter Name Mül … Mül"), {{"Name_Min", "Mül"}, {"Name_max", "Mül"}}},
        {QStringLiteral("Filter Geburtstag Dezember + E-Mail ab M"),
         {{"GB_MIN", "01.12.2000"}, {"GB_MAX", "31.12.2000"}, {"EMAIL_MIN", "K"}}},
        {QStringLiteral("Filter Entfernung 10 bis 20, Ort Marburg"), {{"KM_MIN", "10"}, {"KM_MAX", "20"}, {"Ort_MIN", "Marburg"}, {"Ort_MAX", "Marburg"}}},
        {QStringLiteral("Filter Bemerkungen \"10%\""), {{"BEdit", "10%"}}},
    };
    for (const auto& [what, entries] : filters) {
        CustomerFilter filter;
        filter.setAll(entries);
        timed(what, [&] {
            view.applyFilterDialog(filter, ui);
            return static_cast<int>(view.rows().size());
        });
    }
    view.clearFilter();
    view.toggleMarkedFilter();
    timed(QStringLiteral("Druckfilter (markierte Kunden)"), [&] { return static_cast<int>(view.rows().size()); });
    view.clearFilter();
    for (CustomerSort::Order order : CustomerSort::all()) {
        view.setSortOrder(order);
        timed(QStringLiteral("Sortieren: ") + CustomerSort::caption(order), [&] { return static_cast<int>(view.rows().size()); });
    }
    return 0;
}
