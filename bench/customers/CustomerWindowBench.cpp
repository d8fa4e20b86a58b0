// Timing of the customer window itself on 20,000 customers (offscreen): opening, filtering,
// re-sorting, each until the grid shows the result.   korbelant-customer-window-bench [CUSTOMERS]
#include "CustomerBenchData.h"
#include "core/DataHome.h"
#include "core/Database.h"
#include "core/Installation.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TClientForm.h"
#include "customers/ui/TSimpleFilterForm.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
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
    auto db = Database::open(home.databaseFile(), Database::Mode::OpenExisting);
    fillBenchCustomers(*db, customers);
    ScriptedUi ui;
    TClientDataModul store(*db, ui);
    Options options(home.optionsFile());
    options.LoadOptions();

    std::unique_ptr<TClientForm> form;
    timed(QStringLiteral("Kundenverwaltung öffnen"), [&] {
        form = std::make_unique<TClientForm>(store, options, home.dbDir());
        form->show();
        return form->grid()->model()->rowCount();
    });
    timed(QStringLiteral("Filter Name Mül … Mül"), [&] {
        form->filterDialog()->edit("Name_Min")->setText("Mül");
        form->filterDialog()->edit("Name_max")->setText("Mül");
        form->applyFilterDialog();
        return form->grid()->model()->rowCount();
    });
    timed(QStringLiteral("Filter aus (Filte&r)"), [&] {
        form->lastFilterButton()->click();
        return form->grid()->model()->rowCount();
    });
    timed(QStringLiteral("Druckfilter an"), [&] {
        form->markedFilterButton()->click();
        return form->grid()->model()->rowCount();
    });
    form->markedFilterButton()->click();
    for (int i = 1; i < form->sortBox()->count(); ++i)
        timed(QStringLiteral("Sortieren: ") + form->sortBox()->itemText(i), [&] {
            form->sortBox()->setCurrentIndex(i);
            return form->grid()->model()->rowCount();
        });
    return 0;
}
