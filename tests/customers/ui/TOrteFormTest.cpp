#include "customers/ui/TOrteForm.h"

#include "customers/ui/TKMForm.h"
#include "support/CustomerStoreFixture.h"

#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TOrteFormTest : public CustomerStoreFixture
{
protected:
    TOrteFormTest()
    {
        store.savePlace({"35037", "Marburg", "06421"});
        store.savePlace({"34117", "Kassel", "0561"});
        store.savePlace({"35390", "Gießen", "0641"});
    }
};

} // namespace

TEST_F(TOrteFormTest, SortedAsAskedAndSearchMovesToTheFirstMatch)
{
    TOrteForm byTown(store, Place::Order::Town);
    EXPECT_EQ(byTown.windowTitle(), TOrteForm::kByTownTitle);
    EXPECT_EQ(byTown.grid()->item(0, 1)->text(), QStringLiteral("Gießen"));
    byTown.searchField()->setText("mar");
    emit byTown.searchField()->textEdited("mar");
    ASSERT_TRUE(byTown.currentPlace());
    EXPECT_EQ(byTown.currentPlace()->postcode, QStringLiteral("35037"));

    TOrteForm byPostcode(store, Place::Order::Postcode);
    EXPECT_EQ(byPostcode.windowTitle(), TOrteForm::kByPostcodeTitle);
    EXPECT_EQ(byPostcode.grid()->item(0, 0)->text(), QStringLiteral("34117"));
}

TEST_F(TOrteFormTest, PlacesAreAddedInTheLastRowAndDuplicatesRefused)
{
    TOrteForm form(store, Place::Order::Postcode);
    const int append = form.grid()->rowCount() - 1;
    ASSERT_EQ(append, 3);
    form.grid()->item(append, 0)->setText("35037");
    form.grid()->item(append, 1)->setText("marburg");
    EXPECT_TRUE(ui.wasShown(TClientDataModul::kDuplicatePlaceMessage));
    EXPECT_EQ(form.grid()->item(append, 1)->text(), QString()) << "the entry is cancelled";
    EXPECT_EQ(store.places(Place::Order::Postcode).size(), 3u);

    form.grid()->item(append, 0)->setText("35096");
    form.grid()->item(append, 1)->setText("Weimar");
    EXPECT_EQ(store.places(Place::Order::Postcode).size(), 4u);
    EXPECT_EQ(form.grid()->rowCount(), 5);

    form.grid()->item(0, 1)->setText("Gießen"); // a place changed in the grid
    EXPECT_EQ(store.AreaCode("34117", "Gießen"), QStringLiteral("0561"));
}

TEST_F(TOrteFormTest, DistanceWindowListsTheKnownDistances)
{
    add({{"PLZ", "35037"}, {"ORT", "Marburg"}, {"KM_ENTF", 12}});
    TKMForm form(store);
    EXPECT_EQ(form.windowTitle(), TKMForm::kTitle);
    ASSERT_EQ(form.grid()->rowCount(), 1);
    EXPECT_EQ(form.grid()->item(0, 2)->text(), QStringLiteral("12"));
    EXPECT_EQ(form.currentDistance()->km, 12);
}

} // namespace korbelant::test
