#include "support/CustomerStoreFixture.h"

#include "customers/CustomerQuickSearch.h"

namespace korbelant::test {

namespace {

using Field = CustomerQuickSearch::Field;
using Enter = CustomerQuickSearch::EnterAction;

class CustomerQuickSearchTest : public CustomerStoreFixture
{
protected:
    void SetUp() override
    {
        add({{"NAME", "Müller"}, {"VORNAME", "Anna"}, {"PLZ", "36037"}, {"ORT", "Marburg"}});
        add({{"NAME", "Müller"}, {"VORNAME", "Eva"}, {"PLZ", "36039"}, {"ORT", "Marburg"}});
        add({{"NAME", "O'Brien"}, {"VORNAME", "Sean"}, {"PLZ", "34117"}, {"ORT", "Kassel"}});
        add({{"NAME", "Pro%zent"}, {"VORNAME", "Test"}});
    }
    QStringList names(const CustomerQuickSearch& s) const
    {
        QStringList list;
        for (const CustomerRow& r : s.rows())
            list << r.name + QLatin1Char('/') + r.firstName;
        return list;
    }
};

} // namespace

TEST_F(CustomerQuickSearchTest, TypedPrefixesFilterWithoutRegardToCase)
{
    CustomerQuickSearch s(*db);
    s.typed(Field::Name, "mü");
    EXPECT_EQ(names(s), (QStringList{"Müller/Anna", "Müller/Eva"}));
    s.typed(Field::FirstName, "e");
    EXPECT_EQ(names(s), QStringList{"Müller/Eva"});
    s.typed(Field::Name, "");
    s.typed(Field::FirstName, "s");
    EXPECT_EQ(names(s), QStringList{"O'Brien/Sean"});
    s.typed(Field::FirstName, "");
    s.typed(Field::Name, "o'b");
    EXPECT_EQ(names(s), QStringList{"O'Brien/Sean"});
    s.typed(Field::Name, "Pro%");
    EXPECT_EQ(names(s), QStringList{"Pro%zent/Test"});
    s.typed(Field::Name, "%");
    EXPECT_TRUE(names(s).isEmpty());
    s.typed(Field::Postcode, "3603");
    EXPECT_EQ(s.sortOrder(), CustomerSort::Order::Postcode);
    EXPECT_EQ(names(s), (QStringList{"Müller/Anna", "Müller/Eva"}));
    s.typed(Field::Town, "kas");
    EXPECT_EQ(names(s), QStringList{"O'Brien/Sean"});
}

TEST_F(CustomerQuickSearchTest, EnterRules)
{
    const struct
    {
        const char* what;
        const char* name;
        const char* firstName;
        Field field;
        Enter expected;
    } cases[] = {
        {"first name, both empty", "", "", Field::FirstName, Enter::MoveToPostcode},
        {"first name, exactly one match", "o'b", "", Field::FirstName, Enter::Accept},
        {"first name, several matches", "Müller", "", Field::FirstName, Enter::MoveToGrid},
        {"first name, no match", "Zander", "", Field::FirstName, Enter::CreateNew},
        {"name field", "Müller", "", Field::Name, Enter::NextField},
        {"grid", "", "", Field::Grid, Enter::Accept},
    };
    for (const auto& c : cases) {
        CustomerQuickSearch s(*db);
        s.typed(Field::Name, QString::fromUtf8(c.name));
        s.typed(Field::FirstName, QString::fromUtf8(c.firstName));
        EXPECT_EQ(s.enter(c.field), c.expected) << c.what;
    }
    CustomerQuickSearch s(*db);
    EXPECT_EQ(s.enter(Field::Postcode), Enter::NextField);
    s.typed(Field::Postcode, "35");
    EXPECT_EQ(s.enter(Field::Postcode), Enter::MoveToGrid);
    EXPECT_EQ(s.enter(Field::Town), Enter::NextField);
    s.typed(Field::Town, "M");
    EXPECT_EQ(s.enter(Field::Town), Enter::MoveToGrid);
}

} // namespace korbelant::test
