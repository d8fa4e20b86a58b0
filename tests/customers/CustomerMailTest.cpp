#include "support/CustomerStoreFixture.h"

#include "core/Options.h"
#include "customers/CustomerMail.h"

namespace korbelant::test {

namespace {

class CustomerMailTest : public CustomerStoreFixture
{
protected:
    Options options{home.home().optionsFile()};
    void SetUp() override
    {
        ASSERT_TRUE(options.LoadOptions());
        add({{"NAME", "Abel"}, {"E-MAIL", "abel+shop@example.de"}});
        add({{"NAME", "Berg"}, {"E-MAIL", "o'brien&co@example.de"}});
        add({{"NAME", "Cramer"}});
    }
    QString serial()
    {
        const auto url = CustomerMail::serial(*db, view, options, ui);
        return url ? url->toString(QUrl::FullyEncoded) : QString();
    }
};

} // namespace

TEST_F(CustomerMailTest, AddressesArePercentEncoded)
{
    EXPECT_EQ(CustomerMail::mailto({"a b@x.de", "c?d@x.de"}, {"e%f@x.de"}).toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:a%20b@x.de,c%3Fd@x.de?bcc=e%25f@x.de"));
}

TEST_F(CustomerMailTest, SerialMailFollowsTheOptions)
{
    const struct
    {
        bool bcc;
        bool addOwn;
        const char* own;
        const char* expected;
    } cases[] = {
        {true, true, "ich@beraterin.de",
         "mailto:ich@beraterin.de?bcc=abel%2Bshop@example.de,o%27brien%26co@example.de"},
        {false, false, "ich@beraterin.de", "mailto:abel%2Bshop@example.de,o%27brien%26co@example.de"},
        {false, true, "ich@beraterin.de",
         "mailto:ich@beraterin.de,abel%2Bshop@example.de,o%27brien%26co@example.de"},
        {true, true, "BeraterEmail", "mailto:?bcc=abel%2Bshop@example.de,o%27brien%26co@example.de"},
    };
    for (const auto& c : cases) {
        options.setChecked("BCC", c.bcc);
        options.setChecked("AddBerater", c.addOwn);
        options.setText("BeraterEmail", QString::fromLatin1(c.own));
        EXPECT_EQ(serial(), QString::fromLatin1(c.expected)) << c.expected;
    }
}

TEST_F(CustomerMailTest, NoAddressGivesTheMessage)
{
    CustomerFilter filter;
    filter.set("Name_Min", "Cramer");
    filter.set("Name_max", "Cramer");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    EXPECT_TRUE(serial().isEmpty());
    EXPECT_TRUE(ui.wasShown(CustomerMail::kNoAddress));
    ScriptedUi single;
    EXPECT_FALSE(CustomerMail::single(" ", single));
    EXPECT_TRUE(single.wasShown(CustomerMail::kNoAddress));
    EXPECT_EQ(CustomerMail::single("x@y.de", single)->toString(), QStringLiteral("mailto:x@y.de"));
}

} // namespace korbelant::test
