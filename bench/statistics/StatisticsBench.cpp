// Timings of the statistics and the expense accounts on the "large" synthetic data set (20,000
// customers, 20,000 parties, 200,000 participants, 1,000,000 order lines):
//   korbelant-statistics-bench [DIR]   (DIR without a data set gets a new large one; a temporary
//                                      directory when none is given)
// The customer statistics over all years through the module beside SQLite running the same SQL
// with the same values on the same file (sqlite3 C interface, every column read), then every view
// of the statistics window and the travel account, as the mean and the slowest of a few runs.
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/GermanCollation.h"
#include "core/ScriptedUi.h"
#include "expenses/TravelAccount.h"
#include "statistics/TStatistikDataModul.h"
#include "support/BenchTiming.h"
#include "support/LargeBenchSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>

using namespace korbelant;

namespace {

QTextStream out(stdout);

// The SQL with its named values, stepped through with every column read as the module reads it.
int rawRows(sqlite3* db, const QString& sql, const QVariantMap& params)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        out << "SQLite: " << sqlite3_errmsg(db) << Qt::endl;
        return -1;
    }
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        const int at =
            sqlite3_bind_parameter_index(st, (QStringLiteral(":") + it.key()).toUtf8().constData());
        if (it.value().typeId() == QMetaType::Int)
            sqlite3_bind_int(st, at, it.value().toInt());
        else
            sqlite3_bind_text(st, at, it.value().toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
    }
    int rows = 0;
    const int columns = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c)
            (void)sqlite3_column_text(st, c);
        ++rows;
    }
    sqlite3_finalize(st);
    return rows;
}

double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    auto set = LargeBenchSet::open(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path(), out);
    Database& db = set->db();
    TStatistikDataModul modul(db);
    out << "Teilnehmer: " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper")).toLongLong()
        << ", Positionen: " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1")).toLongLong()
        << Qt::endl;
    BenchTiming::timed(out, QStringLiteral("host markers put right"), 48,
                       [&] { return modul.CorrectHostMarkers(); });

    const StatisticsPeriod all;
    const auto sort = CustomerStatisticSort::Key::Umsatz;
    const QString sql = TStatistikDataModul::KundenStatistikSql(sort);
    const QVariantMap params = TStatistikDataModul::KundenStatistikParams(all, 0);
    // The same statement for the sqlite3 shell: .parameter set :VON '' and so on, then this.
    out << "SQL: " << sql << Qt::endl;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        out << "  :" << it.key() << " = '" << it.value().toString() << "'" << Qt::endl;
    sqlite3* raw = nullptr;
    sqlite3_open_v2(db.path().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    // The tables' text columns are declared with the German order.
    GermanCollation::registerWith(raw);
    int moduleRows = 0;
    int sqliteRows = 0;
    const double moduleMs =
        bestOf(5, [&] { moduleRows = static_cast<int>(modul.KundenStatistik(all, sort).size()); });
    const double sqliteMs = bestOf(5, [&] { sqliteRows = rawRows(raw, sql, params); });
    sqlite3_close(raw);
    out << QStringLiteral("customer statistics, all years: module %1 ms (%2 rows), SQLite %3 ms (%4 rows), "
                          "ratio %5")
               .arg(moduleMs, 0, 'f', 1)
               .arg(moduleRows)
               .arg(sqliteMs, 0, 'f', 1)
               .arg(sqliteRows)
               .arg(moduleMs / sqliteMs, 0, 'f', 2)
        << Qt::endl;

    const QString lastYear = db.scalar(QStringLiteral("SELECT MAX(MWoche) FROM Tuppkopf")).toString().left(4);
    const StatisticsPeriod year = StatisticsPeriod::wholeYear(lastYear.toInt());
    const ArticleSalesQuery::Conditions everything;
    const ArticleSalesQuery::Conditions oneArticle{QStringLiteral("1"), QString(), year.from, year.to};
    const std::vector<std::pair<QString, std::function<int()>>> views{
        {QStringLiteral("Kunden, one year"), [&] { return int(modul.KundenStatistik(year, sort).size()); }},
        {QStringLiteral("Kunden, all years, min 5"),
         [&] { return int(modul.KundenStatistik(all, sort, 5).size()); }},
        {QStringLiteral("Bezahlt, all years"), [&] { return int(modul.BezahltQuery(all).size()); }},
        {QStringLiteral("Wochen, one year"), [&] { return int(modul.WochenQuery(year).size()); }},
        {QStringLiteral("Wochen, all years"), [&] { return int(modul.WochenQuery(all).size()); }},
        {QStringLiteral("Artikel, prefix 1, one year"),
         [&] { return int(modul.ArtikelQuery(oneArticle).size()); }},
        {QStringLiteral("A.-Hitliste, one year"),
         [&] {
             return int(
                 modul
                     .ArtikelSumQuery({QString(), QString(), year.from, year.to}, BestSellerSort::Key::Umsatz)
                     .size());
         }},
        {QStringLiteral("A.-Hitliste, all years"),
         [&] { return int(modul.ArtikelSumQuery(everything, BestSellerSort::Key::Umsatz).size()); }},
        {QStringLiteral("Reiseabrechnung, one year"), [&] {
             TravelAccount account(db);
             return int(
                 account.entries({QDate(lastYear.toInt(), 1, 1), QDate(lastYear.toInt(), 12, 31)}).size());
         }}};
    for (const auto& [what, work] : views)
        BenchTiming::repeated(out, what, 3, [&](int) { work(); });
    for (const auto& [what, work] : views)
        BenchTiming::timed(out, what + QStringLiteral(" (rows)"), 48, work);
    return 0;
}
