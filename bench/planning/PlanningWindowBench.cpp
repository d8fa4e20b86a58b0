// Timing of the planning window itself on 20,000 customers (offscreen): opening, marking a host
// and guests, the filter "Vor&planung" on and off, re-sorting, each until the grid shows the
// result.   korbelant-planning-window-bench [CUSTOMERS]
#include "articles/TArtikelModul.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/Installation.h"
#include "core/ScriptedUi.h"
#include "customers/CustomerBenchData.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerGrid.h"
#include "parties/TVorFuerModul.h"
#include "planning/ui/TVorPlaForm.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<int()>& work)
{
    BenchTiming::timed(out, what, 46, work, [] { QApplication::processEvents(); });
}

} // namespace

int main(int argc, char** argv)
{
    WindowBenchHome::useOffscreen();
    QApplication app(argc, argv);
    const int customers = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const DataHome home(dir.path());
    Installation::init(home);
    auto set = DataSet::open(home);
    fillBenchCustomers(set->db(), customers);
    ScriptedUi ui;
    TClientDataModul store(set->db(), ui);
    TArtikelModul articles(*set, ui);
    TVorFuerModul parties(set->db(), set->options(), ui, store, articles);

    std::unique_ptr<TVorPlaForm> form;
    const auto open = [&] {
        form = std::make_unique<TVorPlaForm>(*set, store, parties, ui, QStringLiteral("Korbelant"));
        form->show();
        return form->grid()->model()->rowCount();
    };
    // The first window of the process also loads fonts and styles; in the program the main
    // window has done that before the planning window opens.
    timed(QStringLiteral("Vorplanungsverwaltung öffnen, erstes Fenster"), open);
    form.reset();
    timed(QStringLiteral("Vorplanungsverwaltung öffnen"), open);
    timed(QStringLiteral("Gastgeberin markieren"), [&] {
        form->grid()->moveTo(100);
        form->action(QStringLiteral("&Gastgeb."))->trigger();
        return form->grid()->model()->rowCount();
    });
    for (int row : {200, 300, 400})
        timed(QStringLiteral("Gast markieren"), [&] {
            form->grid()->moveTo(row);
            form->action(QStringLiteral("G&ast"))->trigger();
            return form->grid()->model()->rowCount();
        });
    timed(QStringLiteral("Filter Vor&planung an"), [&] {
        form->planFilterButton()->click();
        return form->grid()->model()->rowCount();
    });
    timed(QStringLiteral("Filter Vor&planung aus"), [&] {
        form->planFilterButton()->click();
        return form->grid()->model()->rowCount();
    });
    for (int i = 1; i < form->sortBox()->count(); ++i)
        timed(QStringLiteral("Sortieren: ") + form->sortBox()->itemText(i), [&] {
            form->sortBox()->setCurrentIndex(i);
            return form->grid()->model()->rowCount();
        });
    return 0;
}
