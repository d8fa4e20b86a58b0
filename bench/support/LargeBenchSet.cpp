#include "support/LargeBenchSet.h"

#include "cli/BenchDataGenerator.h"
#include "core/Installation.h"
#include "core/TableUpgrade.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace korbelant {

std::unique_ptr<DataSet> LargeBenchSet::open(const QString& homeDir, QTextStream& out)
{
    const DataHome home(homeDir);
    if (!QFileInfo::exists(home.databaseFile()))
        Installation::init(home);
    auto set = DataSet::open(home);
    Database& db = set->db();
    // A home made by an older build lacks the indexes added since; the program's start adds them.
    TableUpgrade(db).UpgradeTables();
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toLongLong() == 0) {
        QElapsedTimer timer;
        timer.start();
        BenchDataGenerator(db, set->options(), 1, QDate(2025, 12, 27)).generate(BenchDataGenerator::kLarge);
        out << QStringLiteral("bench-data large").leftJustified(52) << timer.elapsed() << " ms" << Qt::endl;
    }
    return set;
}

} // namespace korbelant
