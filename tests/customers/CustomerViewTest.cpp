#include "support/CustomerStoreFixture.h"

#include "core/Schema.h"

namespace korbelant::test {

namespace {

class CustomerViewTest : public CustomerStoreFixture
{
};

} // namespace

TEST_F(CustomerViewTest, NameOrderIsGermanAndIgnoresCase)
{
    for (const char* name : {"Nagel", "müller", "Mahler", "Muller", "Müller", "Maier"})
        add({{"NAME", QString::fromUtf8(name)}});
    view.setSortOrder(CustomerSort::Order::Name);
    QStringList names = shownNames();
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(names.first(), QStringLiteral("Mahler"));
    EXPECT_EQ(names.at(1), QStringLiteral("Maier"));
    EXPECT_EQ(names.last(), QStringLiteral("Nagel"));
    QStringList together = names.mid(2, 3);
    together.sort();
    EXPECT_EQ(together, (QStringList{"Muller", "Müller", "müller"}));
}

TEST_F(CustomerViewTest, SortOrdersFollowTheirIndexes)
{
    const QString a = add({{"NAME", "Zeller"},
                           {"PLZ", "10115"},
                           {"ORT", "Berlin"},
                           {"L_DATUM", "01.02.2025"},
                           {"N_DATUM", "01.05.2026"}});
    const QString b = add({{"NAME", "Abel"},
                           {"PLZ", "80331"},
                           {"ORT", "München"},
                           {"L_DATUM", "01.02.2026"},
                           {"N_DATUM", "01.04.2026"}});
    const QString c = add({{"NAME", "Kurz"}, {"PLZ", "50667"}, {"ORT", "Köln"}, {"L_DATUM", "15.06.2025"}});
    auto first3 = [&](CustomerSort::Order order) {
        view.setSortOrder(order);
        QStringList own;
        for (const QString& n : shown()) {
            if (n == a || n == b || n == c)
                own << n;
        }
        return own;
    };
    EXPECT_EQ(first3(CustomerSort::Order::Name), (QStringList{b, c, a}));
    EXPECT_EQ(first3(CustomerSort::Order::Number), (QStringList{a, b, c}));
    EXPECT_EQ(first3(CustomerSort::Order::Postcode), (QStringList{a, c, b}));
    EXPECT_EQ(first3(CustomerSort::Order::TownStreet), (QStringList{a, c, b}));
    // The most recent participation first.
    EXPECT_EQ(first3(CustomerSort::Order::LastParty), (QStringList{b, c, a}));
    EXPECT_EQ(first3(CustomerSort::Order::NextParty), (QStringList{a, b, c}));
}

TEST_F(CustomerViewTest, EveryChoiceAndColumnTitleSorts)
{
    ASSERT_EQ(CustomerSort::all().size(), 9);
    for (CustomerSort::Order order : CustomerSort::all()) {
        view.setSortOrder(order);
        EXPECT_EQ(view.numbers().size(), 3) << CustomerSort::caption(order).toStdString();
    }
    const struct
    {
        const char* column;
        CustomerSort::Order order;
    } titles[] = {{"K_NR", CustomerSort::Order::Number},    {"NAME", CustomerSort::Order::Name},
                  {"VORNAME", CustomerSort::Order::Name},   {"PLZ", CustomerSort::Order::Postcode},
                  {"ORT", CustomerSort::Order::TownStreet}, {"TELEFON", CustomerSort::Order::Telephone}};
    for (const auto& t : titles) {
        CustomerSort::Order order{};
        ASSERT_TRUE(CustomerSort::forColumn(QString::fromLatin1(t.column), order)) << t.column;
        EXPECT_EQ(order, t.order) << t.column;
    }
    CustomerSort::Order unused{};
    EXPECT_FALSE(CustomerSort::forColumn("E-MAIL", unused));
    EXPECT_TRUE(CustomerSort::markedColumn(CustomerSort::Order::FollowUp).isEmpty());
}

TEST_F(CustomerViewTest, MarkedFilterAndButtons)
{
    const QString k = add({{"NAME", "Berg"}});
    view.toggleMarkedFilter();
    EXPECT_EQ(view.activeFilter(), CustomerView::FilterKind::Marked);
    EXPECT_EQ(view.count(), 0);
    EXPECT_FALSE(view.filterDialogEnabled());
    EXPECT_FALSE(view.lastFilterEnabled());
    store.setPlanningMark(k, 2);
    EXPECT_EQ(view.numbers(), QStringList{k});
    view.toggleMarkedFilter();
    EXPECT_EQ(view.count(), 4);
    EXPECT_TRUE(view.panelText().isEmpty());
    EXPECT_TRUE(view.filterDialogEnabled());
}

TEST_F(CustomerViewTest, LastFilterTogglesAndBlocksTheOthers)
{
    add({{"NAME", "Berg"}});
    CustomerFilter filter;
    filter.set("Name_Min", "Berg");
    filter.set("Name_max", "Berg");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    EXPECT_EQ(view.count(), 1);
    EXPECT_EQ(view.panelText(), CustomerView::kCriteriaPanel);
    EXPECT_FALSE(view.markedFilterEnabled());
    EXPECT_FALSE(view.filterDialogEnabled());
    view.toggleLastFilter();
    EXPECT_EQ(view.count(), 4);
    EXPECT_TRUE(view.markedFilterEnabled());
    view.toggleLastFilter();
    EXPECT_EQ(view.count(), 1);
    view.clearFilter();
    EXPECT_EQ(view.activeFilter(), CustomerView::FilterKind::None);
}

TEST_F(CustomerViewTest, ParticipantsOfAParty)
{
    const QString host = add({{"NAME", "Gastgeberin"}});
    const QString guest = add({{"NAME", "Gast"}});
    add({{"NAME", "Fremd"}});
    const TableDef& tupper = Schema::get("Tupper");
    db->insert(tupper, {{"R_NR", "120326A"}, {"P_NR", "01"}, {"K_NR", host}});
    db->insert(tupper, {{"R_NR", "120326A"}, {"P_NR", "02"}, {"K_NR", guest}});
    db->insert(tupper, {{"R_NR", "130326A"}, {"P_NR", "01"}, {"K_NR", "100000"}});
    view.applyParticipants("12/03/26  A");
    EXPECT_EQ(view.panelText(), QStringLiteral("Teilnehmer der Vorführung : 120326A"));
    QStringList numbers = view.numbers();
    numbers.sort();
    EXPECT_EQ(numbers, (QStringList{host, guest}));
}

TEST_F(CustomerViewTest, ResetAllMarksOnlyOfCustomersShownAndOnlyOnYes)
{
    const QString a = add({{"NAME", "Abel"}, {"V_ANZAHL", 1}});
    const QString b = add({{"NAME", "Berg"}, {"V_ANZAHL", 2}});
    CustomerFilter filter;
    filter.set("Name_Min", "Abel");
    filter.set("Name_max", "Abel");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    ScriptedUi no({UiPort::Answer::No});
    EXPECT_FALSE(view.resetAllMarks(no));
    EXPECT_TRUE(no.wasShown(CustomerView::kResetQuestion));
    EXPECT_EQ(store.load(a)->value("V_ANZAHL").toInt(), 1);
    ScriptedUi yes({UiPort::Answer::Yes});
    EXPECT_TRUE(view.resetAllMarks(yes));
    EXPECT_EQ(store.load(a)->value("V_ANZAHL").toInt(), 0);
    EXPECT_EQ(store.load(b)->value("V_ANZAHL").toInt(), 2);
}

TEST_F(CustomerViewTest, RemarksMatchesAreRenewedAfterADeletion)
{
    const QString a = add({{"NAME", "Abel"}, {"TEXT", "Stammkundin"}});
    add({{"NAME", "Berg"}, {"TEXT", "Stammkundin"}});
    CustomerFilter filter;
    filter.set("BEdit", "stamm");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    EXPECT_EQ(view.count(), 2);
    ASSERT_TRUE(store.deleteCustomer(a));
    view.refreshRemarksMatches();
    EXPECT_EQ(view.count(), 1);
}

} // namespace korbelant::test
