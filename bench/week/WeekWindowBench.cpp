// Timings of the week window itself (offscreen) on a data set made by
// `korbelant-cli bench-data large --end 27.12.2025`:
//   korbelant-week-window-bench DIR
// Opening the window on the last week, switching to other weeks, marking every part-week of a
// week, a spin of a planned-party field, closing, and opening it once more.
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"
#include "week/TWocheDataModul.h"
#include "week/ui/TWeekRForm.h"
#include "week/ui/WeekPartWeeksTab.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QListWidget>
#include <QTableWidget>
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
        WindowBenchHome::fromArguments(argc, argv, out, QStringLiteral("korbelant-week-window-bench"));
    if (!home)
        return 2;
    auto set = DataSet::open(*home);
    ScriptedUi ui;
    TWocheDataModul week(set->db(), set->options(), ui);
    std::unique_ptr<TWeekRForm> window;
    timed(QStringLiteral("Wochenverwaltung öffnen (letzte Woche)"), [&] {
        window = std::make_unique<TWeekRForm>(*set, week, ui, QStringLiteral("Korbelant"));
        window->show();
        return QStringLiteral("%1 Wochen").arg(window->weekList()->count());
    });
    const int weeks = window->weekList()->count();
    for (int row : {weeks - 2, weeks / 2, 0}) {
        timed(QStringLiteral("Woche wechseln"), [&] {
            window->weekList()->setCurrentRow(row);
            return window->weekShown();
        });
    }
    window->weekList()->setCurrentRow(weeks - 1);
    timed(QStringLiteral("alle Teilwochen markieren"), [&] {
        QTableWidget* sums = window->partWeeksTab()->sumsGrid();
        emit sums->cellDoubleClicked(0, 0);
        emit sums->cellDoubleClicked(sums->rowCount() - 1, 0);
        return QStringLiteral("%1 Vorführungen").arg(window->partWeeksTab()->partyGrid()->rowCount());
    });
    timed(QStringLiteral("geplante Vorführungen hochzählen"), [&] {
        emit window->findChild<SpinEdit*>(QStringLiteral("VORFUEHR_1Spin"))->spun(true);
        return week.field(QStringLiteral("VORFUEHR_1")).toString();
    });
    timed(QStringLiteral("Wochenverwaltung schließen"), [&] {
        window->close();
        return week.currentWeek();
    });
    // The first opening pays for the style and the fonts of the whole program once.
    timed(QStringLiteral("Wochenverwaltung noch einmal öffnen"), [&] {
        TWocheDataModul again(set->db(), set->options(), ui);
        TWeekRForm second(*set, again, ui, QStringLiteral("Korbelant"));
        second.show();
        return QStringLiteral("%1 Wochen").arg(second.weekList()->count());
    });
    return 0;
}
