#include "support/CustomerStoreFixture.h"

#include "core/Schema.h"
#include "customers/ContactFlags.h"
#include "customers/CustomerFilter.h"

namespace korbelant::test {

namespace {

class ContactFlagsTest : public CustomerStoreFixture
{
};

} // namespace

TEST_F(ContactFlagsTest, EveryFlagIsAOneLetterColumnOfTheCustomerTable)
{
    const TableDef& customers = Schema::get(QStringLiteral("Kunden"));
    for (const ContactFlags::Flag& flag : ContactFlags::all()) {
        const FieldDef* field = customers.field(flag.column);
        ASSERT_TRUE(field) << flag.column.toStdString();
        EXPECT_EQ(field->name, flag.column) << "spelt as the table spells it";
        EXPECT_EQ(field->width, 1) << flag.column.toStdString();
    }
}

TEST_F(ContactFlagsTest, EachFilterBoxFindsTheCustomersWithItsOwnFlag)
{
    // One customer per flag, named after her flag.
    for (const ContactFlags::Flag& flag : ContactFlags::all())
        add({{QStringLiteral("NAME"), flag.column}, {flag.column, QStringLiteral("J")}});
    for (const ContactFlags::Flag& flag : ContactFlags::all()) {
        CustomerFilter filter;
        ASSERT_TRUE(filter.set(flag.filterField, QStringLiteral("J")));
        ASSERT_TRUE(view.applyFilterDialog(filter, ui));
        EXPECT_EQ(shownNames(), QStringList{flag.column}) << flag.filterField.toStdString();
    }
}

} // namespace korbelant::test
