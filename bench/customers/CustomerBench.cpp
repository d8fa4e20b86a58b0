// Timing of the customer window's data work on a large data set: 20,000 customers, opened in
// name order, filtered, re-sorted, and the customer lists built over all of them.
//   korbelant-customer-bench [CUSTOMERS]
#include "CustomerBenchData.h"
#include "core/DataHome.h"
#include "core/Database.h"
#include "core/Installation.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "customers/CustomerFilter.h"
#include "customers/CustomerListReport.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "reports/ReportDocument.h"
#include "support/BenchTiming.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<int()>& work)
{
    BenchTiming::timed(out, what, 52, work);
}

// Every list of the customer window over all customers, as the window hands them over.
void timeCustomerLists(Database& db, const CustomerView& view)
{
    QStringList numbers;
    for (const CustomerRow& row : view.rows())
        numbers << row.number;
    const QStringList fields{QStringLiteral("NAME"), QStringLiteral("ORT"), QStringLiteral("TELEFON"),
                             QStringLiteral("GEBURTSTAG")};
    using Kind = CustomerListReport::Kind;
    const std::vector<std::pair<QString, Kind>> lists{
        {QStringLiteral("Adressenliste"), Kind::Addresses},
        {QStringLiteral("Adressenliste mit Bemerkungen"), Kind::AddressesWithNotes},
        {QStringLiteral("Terminbuch"), Kind::AppointmentBook},
        {QStringLiteral("Telefonliste"), Kind::Phones},
        {QStringLiteral("Kurzliste"), Kind::Short},
        {QStringLiteral("Freie Kurzliste"), Kind::FreeShort},
        {QStringLiteral("Freie Kurzliste quer"), Kind::FreeShortLandscape}};
    for (const auto& [what, kind] : lists) {
        timed(QStringLiteral("Liste: ") + what, [&] {
            CustomerListReport::document(kind, db, numbers, fields, what);
            return static_cast<int>(numbers.size());
        });
    }
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
        fillBenchCustomers(*db, customers);
        return customers;
    });

    ScriptedUi ui;
    TClientDataModul store(*db, ui);
    CustomerView view(*db);
    timed(QStringLiteral("Öffnen: alle Kunden nach Name + Vorname"),
          [&] { return static_cast<int>(view.rows().size()); });
    // The same SQL stepped through directly, without making rows of it.
    timed(QStringLiteral("  zum Vergleich: dieselbe Abfrage direkt in SQLite"), [&] {
        Statement st = db->prepare(
            QStringLiteral("SELECT K_NR, NAME, VORNAME, STRASSE, PLZ, ORT, TELEFON, \"E-MAIL\", V_ANZAHL, "
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
        {QStringLiteral("Filter Entfernung 10 bis 20, Ort Marburg"),
         {{"KM_MIN", "10"}, {"KM_MAX", "20"}, {"Ort_MIN", "Marburg"}, {"Ort_MAX", "Marburg"}}},
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
    timed(QStringLiteral("Druckfilter (markierte Kunden)"),
          [&] { return static_cast<int>(view.rows().size()); });
    view.clearFilter();
    for (CustomerSort::Order order : CustomerSort::all()) {
        view.setSortOrder(order);
        timed(QStringLiteral("Sortieren: ") + CustomerSort::caption(order),
              [&] { return static_cast<int>(view.rows().size()); });
    }
    timeCustomerLists(*db, view);
    return 0;
}
