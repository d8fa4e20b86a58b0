#include "customers/ui/CustomerTableModel.h"
#include "core/Options.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TClientForm.h"
#include "customers/ui/TSimpleFilterForm.h"
#include "support/CustomerStoreFixture.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

namespace korbelant::test {

namespace {

// The customer grid's model under Qt's model checker while the customer window re-sorts,
// filters, marks, adds and deletes: every change is announced the way views rely on.
class CustomerTableModelTest : public CustomerStoreFixture
{
protected:
    CustomerTableModelTest() : options(home.home().optionsFile())
    {
        options.LoadOptions();
        add({{"NAME", "Nagel"}, {"VORNAME", "Eva"}, {"PLZ", "35037"}, {"E-MAIL", "nagel@example.de"}});
        add({{"NAME", "Adam"}, {"VORNAME", "Ute"}, {"PLZ", "34117"}, {"N_DATUM", "15.03.2026"}});
        add({{"NAME", QString::fromUtf8("Müller")}, {"VORNAME", "Anna"}, {"PLZ", "35390"}});
        add({{"NAME", "O'Brien"}, {"VORNAME", "Sean"}, {"PLZ", "10115"}});
        form = std::make_unique<TClientForm>(store, options, home.home().dbDir());
        form->setEditor([this](TClientDataModul::Record& r, bool isNew, const QString&) {
            r.insert("NAME", "Zander");
            return store.post(r, isNew).ok;
        });
        form->show();
    }

    Options options;
    std::unique_ptr<TClientForm> form;
};

} // namespace

TEST_F(CustomerTableModelTest, EveryChangeOfTheWindowKeepsTheModelConsistent)
{
    CustomerTableModel* model = form->grid()->customers();
    ASSERT_EQ(form->grid()->model(), model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const int all = 4 + 3; // with the three fixed customers

    const struct
    {
        const char* what;
        std::function<void()> action;
        int rows;
    } steps[] = {
        {"every sort order",
         [&] {
             for (int i = 0; i < form->sortBox()->count(); ++i)
                 form->sortBox()->setCurrentIndex(i);
         },
         all},
        {"sorted by a column title", [&] { emit form->grid()->horizontalHeader()->sectionClicked(4); }, all},
        {"only the marked customers", [&] { form->markedFilterButton()->click(); }, 0},
        {"all again", [&] { form->markedFilterButton()->click(); }, all},
        {"name filter",
         [&] {
             form->filterDialog()->edit("Name_Min")->setText("Ad");
             form->filterDialog()->edit("Name_max")->setText("Mü");
             form->applyFilterDialog();
         },
         2},
        {"filter off", [&] { form->lastFilterButton()->click(); }, all},
        {"filter on again", [&] { form->lastFilterButton()->click(); }, 2},
        {"filter off again", [&] { form->lastFilterButton()->click(); }, all},
        {"a mark set",
         [&] {
             form->grid()->moveTo(1);
             form->setMark(2);
         },
         all},
        {"only the marked customers, one now", [&] { form->markedFilterButton()->click(); }, 1},
        {"all again", [&] { form->markedFilterButton()->click(); }, all},
        {"marks reset",
         [&] {
             ui.addAnswer(UiPort::Answer::Yes);
             form->resetAllMarks();
         },
         all},
        {"new customer", [&] { form->newCustomer(); }, all + 1},
        {"deleted again",
         [&] {
             ui.addAnswer(UiPort::Answer::Yes);
             form->deleteCustomer();
         },
         all},
        {"read again", [&] { form->refresh(); }, all},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(model->rowCount(), step.rows) << step.what;
    }
    EXPECT_FALSE(store.load("100006")) << "the new customer was deleted";
}

} // namespace korbelant::test
