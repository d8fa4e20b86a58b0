// Timings of the week closing on the "large" synthetic data set (20,000 parties over twenty
// years, 1,000,000 order lines):
//   korbelant-week-bench [DIR]   (DIR without a data set gets a new large one; a temporary
//                                directory when none is given)
// Opening the week module on the last week, switching between weeks spread over the whole data
// set and each transfer query of one week, as the mean and the slowest run, beside the query
// plans of the transfer queries' searches.
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "exchange/TransferQueries.h"
#include "support/BenchTiming.h"
#include "support/LargeBenchSet.h"
#include "week/TWocheDataModul.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void plan(Database& db, const QString& what, const QString& sql, const QVariantList& params)
{
    out << "  plan " << what << ':';
    for (const QVariantList& row : db.rows(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, params))
        out << " [" << row.value(3).toString() << ']';
    out << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    auto set = LargeBenchSet::open(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path(), out);
    Database& db = set->db();
    ScriptedUi ui;
    TWocheDataModul week(db, set->options(), ui);
    const QStringList keys = week.weekKeys();
    out << "Wochen: " << keys.size()
        << ", Positionen: " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1")).toLongLong()
        << Qt::endl;
    const int runs = 100;
    auto keyAt = [&](int i) {
        return keys.at(static_cast<qsizetype>((static_cast<size_t>(i) * 7919u) % keys.size()));
    };

    BenchTiming::repeated(out, QStringLiteral("open the week module on the last week"), runs,
                          [&](int) { week.openLast(); });
    BenchTiming::repeated(out, QStringLiteral("switch weeks (sums, party view, items)"), runs, [&](int i) {
        week.setCurrentWeek(keyAt(i));
        week.requestItems();
    });
    BenchTiming::repeated(out, QStringLiteral("mark every part-week of a week"), runs, [&](int i) {
        week.setCurrentWeek(keyAt(i));
        week.actionRange();
    });
    const TransferQueries queries(db, set->options());
    std::vector<WeekRange> ranges;
    for (int i = 0; i < runs; ++i) {
        week.setCurrentWeek(keyAt(i));
        ranges.push_back(week.actionRange());
    }
    using Query = ResultTable (TransferQueries::*)(const WeekRange&) const;
    const std::vector<std::pair<QString, Query>> transfer{
        {QStringLiteral("RechQuery"), &TransferQueries::RechQuery},
        {QStringLiteral("AddressQuerry"), &TransferQueries::AddressQuerry},
        {QStringLiteral("BuchungenQuery"), &TransferQueries::BuchungenQuery},
        {QStringLiteral("ERfolgQuery"), &TransferQueries::ERfolgQuery}};
    for (const auto& [name, query] : transfer)
        BenchTiming::repeated(out, name + QStringLiteral(" of one week"), runs,
                              [&](int i) { (queries.*query)(ranges[static_cast<size_t>(i)]); });
    const QVariantList params{ranges.front().week, ranges.front().start, ranges.front().end};
    plan(db, QStringLiteral("order lines"),
         QStringLiteral("SELECT * FROM Tupper1 WHERE MWoche = ? AND TWoche >= ? AND TWoche <= ?"), params);
    plan(db, QStringLiteral("participants"),
         QStringLiteral("SELECT * FROM Tupper WHERE MWoche = ? AND TWoche >= ? AND TWoche <= ?"), params);
    plan(db, QStringLiteral("parties"),
         QStringLiteral("SELECT * FROM Tuppkopf WHERE MWoche = ? AND TWoche >= ? AND TWoche <= ?"), params);
    return 0;
}
