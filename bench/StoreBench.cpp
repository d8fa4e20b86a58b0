// Timings of the data set's maintenance on a synthetic data set of the "large" size:
// 20,000 customers, 10,000 articles, 20,000 parties, 200,000 participants, 1,000,000 order lines.
//   korbelant-bench [DIR]    (a temporary directory when none is given; an existing data set in
//                            DIR is timed as it is)
#include "core/DataHome.h"
#include "core/Database.h"
#include "core/DatabaseBackup.h"
#include "core/IncompleteRecords.h"
#include "core/Installation.h"
#include "core/TableBuilder.h"
#include "core/Transaction.h"
#include "core/WeekKey.h"
#include "parties/PartWeek.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

qint64 timed(const char* what, const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    const qint64 ms = timer.elapsed();
    out << QString::fromLatin1(what).leftJustified(46) << ms << " ms" << Qt::endl;
    return ms;
}

void fill(Database& db)
{
    Transaction tx(db);
    Statement customer = db.prepare(QStringLiteral(
        "INSERT INTO Kunden (K_NR, NAME, VORNAME, PLZ, ORT, KM_ENTF) VALUES (?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < 20000; ++i) {
        customer.reset();
        customer.bindAll({QString::number(100002 + i), QStringLiteral("Name%1").arg(i % 3000),
                          QStringLiteral("Vorname%1").arg(i % 200), QString::number(35000 + i % 900),
                          QStringLiteral("Ort%1").arg(i % 900), i % 50});
        customer.run();
    }
    Statement article = db.prepare(
        QStringLiteral("INSERT INTO Lager (L_NR, Z_NR, VA, L_TEXT, PREIS) VALUES (?, ?, '10', ?, ?)"));
    for (int i = 0; i < 10000; ++i) {
        article.reset();
        article.bindAll({QStringLiteral("A%1").arg(i, 5, 10, QLatin1Char('0')),
                         QStringLiteral("%1").arg(10000000 + i), QStringLiteral("Artikel %1").arg(i),
                         5.0 + i % 40});
        article.run();
    }
    Statement party = db.prepare(
        QStringLiteral("INSERT INTO Tuppkopf (R_NR, DATUM, MWoche, TWoche, K_NR) VALUES (?, ?, ?, '1', ?)"));
    Statement guest = db.prepare(
        QStringLiteral("INSERT INTO Tupper (R_NR, P_NR, MWoche, TWoche, K_NR) VALUES (?, ?, ?, '1', ?)"));
    Statement line = db.prepare(
        QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, ID, L_NR, VA, MWoche, TWoche, STUECK, SUMME) "
                       "VALUES (?, ?, ?, ?, '10', ?, '1', 1, 9.9)"));
    const QDate start(2006, 1, 2);
    int id = 0;
    for (int p = 0; p < 20000; ++p) {
        const QDate date = start.addDays(p / 3);
        const QString number = date.toString(QStringLiteral("ddMMyy")) + QChar(u'A' + p % 3);
        const QString week = WeekKey::weekKey(date);
        party.reset();
        party.bindAll({number, date.toString(Qt::ISODate), week, QString::number(100002 + p % 20000)});
        party.run();
        for (int g = 1; g <= 10; ++g) {
            const QString pnr = QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
            guest.reset();
            guest.bindAll({number, pnr, week, QString::number(100002 + (p * 7 + g) % 20000)});
            guest.run();
            for (int l = 0; l < 5; ++l) {
                line.reset();
                line.bindAll({number, pnr, ++id,
                              QStringLiteral("A%1").arg((p + g * 5 + l) % 10000, 5, 10, QLatin1Char('0')),
                              week});
                line.run();
            }
        }
    }
    tx.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const DataHome home(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    const bool fresh = !QFileInfo::exists(home.databaseFile());
    if (fresh)
        timed("init (new data home)", [&] { Installation::init(home); });
    auto db = Database::open(home.databaseFile(), Database::Mode::OpenExisting);
    if (fresh)
        timed("fill large data set", [&] { fill(*db); });
    timed("RepairTables (rebuild all, compact)", [&] { TableBuilder(*db).RepairTables(); });
    timed("RemoveIncompleteRecords", [&] { IncompleteRecords(*db).RemoveIncompleteRecords(); });
    timed("BackupDatabase", [&] { DatabaseBackup(*db, home).BackupDatabase(); });
    timed("NextTWoche x 1000", [&] {
        for (int i = 0; i < 1000; ++i)
            PartWeek::NextTWoche(*db, QStringLiteral("200801"));
    });
    timed("insert one order line x 1000 (auto number)", [&] {
        Transaction tx(*db);
        for (int i = 0; i < 1000; ++i)
            db->run(QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, MWoche, TWoche) VALUES "
                                   "('010106A', '01', 'A00001', '10', '200601', '1')"));
        tx.commit();
    });
    return 0;
}
