// Timings of the back-order window itself (offscreen) on a data set made by
// `korbelant-cli bench-data large --end 27.12.2025`:
//   korbelant-backorder-window-bench DIR
// Every 1000th order line is put into a back-order state first (every other one of them delivered
// afterwards), as a season of back-orders would leave them; then the window opens on the last
// week, switches to "&Bearbeiten" and back, and the edit window opens.
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/ScriptedUi.h"
#include "core/TableUpgrade.h"
#include "core/Transaction.h"
#include "parties/ui/BackOrderLineModel.h"
#include "parties/ui/TNachliefBearForm.h"
#include "parties/ui/TNachliefForm.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"

#include <QApplication>
#include <QTextStream>
#include <functional>
#include <memory>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<QString()>& work)
{
    BenchTiming::described(out, what, work);
}

} // namespace

int main(int argc, char* argv[])
{
    WindowBenchHome::useOffscreen();
    QApplication app(argc, argv);
    const auto home =
        WindowBenchHome::fromArguments(argc, argv, out, QStringLiteral("korbelant-backorder-window-bench"));
    if (!home)
        return 2;
    auto set = DataSet::open(*home);
    // A home made by an older build lacks the indexes added since; the program's start adds them.
    TableUpgrade(set->db()).UpgradeTables();
    {
        Transaction tx(set->db());
        set->db().run(
            QStringLiteral("UPDATE Tupper1 SET NACHLIEF = CASE WHEN ID % 2000 = 0 THEN 'B' ELSE 'J' END, "
                           "NA_STUECK = 1 WHERE ID % 1000 = 0 AND IFNULL(VORAB, '') NOT IN ('V', 'L')"));
        tx.commit();
    }
    const QString lastWeek = set->db().scalar(QStringLiteral("SELECT MAX(MWoche) FROM Tupper1")).toString();
    ScriptedUi ui;
    std::unique_ptr<TNachliefForm> window;
    timed(QStringLiteral("Nachlieferungen öffnen (letzte Woche)"), [&] {
        window = std::make_unique<TNachliefForm>(*set, ui, lastWeek);
        window->show();
        return QStringLiteral("%1 Positionen").arg(window->lines()->rowCount());
    });
    for (int i = 0; i < 3; ++i) {
        timed(QStringLiteral("&Bearbeiten (offene aller Wochen)"), [&] {
            window->setMode(TNachliefForm::Mode::Work);
            return QStringLiteral("%1 Positionen").arg(window->lines()->rowCount());
        });
        timed(QStringLiteral("&Eingeben (letzte Woche)"), [&] {
            window->setMode(TNachliefForm::Mode::Enter);
            return QStringLiteral("%1 Positionen").arg(window->lines()->rowCount());
        });
    }
    timed(QStringLiteral("Nachlieferungen bearbeiten öffnen"), [&] {
        TNachliefBearForm edit(set->db(), ui);
        edit.show();
        return QStringLiteral("%1 Positionen").arg(edit.lines()->rowCount());
    });
    // Leaves the data set as it was.
    set->db().run(
        QStringLiteral("UPDATE Tupper1 SET NACHLIEF = NULL, NA_STUECK = NULL WHERE ID % 1000 = 0 AND "
                       "IFNULL(VORAB, '') NOT IN ('V', 'L')"));
    return 0;
}
