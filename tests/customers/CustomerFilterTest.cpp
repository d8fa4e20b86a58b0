#include "support/CustomerStoreFixture.h"

#include "customers/CustomerFilter.h"

#include <set>

namespace korbelant::test {

namespace {

using Names = std::set<QString>;

class CustomerFilterTest : public CustomerStoreFixture
{
protected:
    void SetUp() override
    {
        add({{"NAME", "Adler"},
             {"GEBURTSTAG", "05.12.1980"},
             {"E-MAIL", "maria@web.de"},
             {"KM_ENTF", 12},
             {"GASTGEBER", "J"},
             {"PLZ", "35037"},
             {"ORT", "Marburg"},
             {"L_TELEFON", "10.01.2026"},
             {"WiederVorlage", "15.03.2026"}});
        add({{"NAME", "Becker"},
             {"GEBURTSTAG", "24.12.1975"},
             {"E-MAIL", "anna@web.de"},
             {"KM_ENTF", 12},
             {"GASTGEBER", "c"},
             {"PLZ", "35096"},
             {"ORT", "Weimar"},
             {"L_MAIL", "01.03.2026"}});
        add({{"NAME", "Cramer"},
             {"GEBURTSTAG", "15.01.1990"},
             {"KM_ENTF", 20},
             {"TEXT", "Kundin zahlt 50% bar"},
             {"B_WARINBZH", "J"},
             {"BZH_VERANSTALT", "Herbstfest"},
             {"MCODE", "Kochen"}});
        add({{"NAME", "Dorn"},
             {"E-MAIL", "Zora@web.de"},
             {"KM_ENTF", 5},
             {"TEXT", "von O'Brien empfohlen"},
             {"L_BRIEF", "01.12.2025"}});
        add({{"NAME", "O'Brien"}, {"GEBURTSTAG", "30.11.1985"}, {"E-MAIL", "obrien@example.ie"}});
        add({{"NAME", "Müller"}, {"GEBURTSTAG", "01.07.1970"}});
        add({{"NAME", "Mülz"}, {"GEBURTSTAG", "02.07.1970"}});
        add({{"NAME", "Muller"}, {"GEBURTSTAG", "03.07.1970"}});
    }

    Names filtered(const QVariantMap& entries)
    {
        CustomerFilter filter;
        EXPECT_TRUE(filter.setAll(entries).isEmpty());
        EXPECT_TRUE(view.applyFilterDialog(filter, ui)) << ui.shownTexts().join("|").toStdString();
        const QStringList names = shownNames();
        return Names(names.begin(), names.end());
    }
};

struct FilterCase
{
    const char* what;
    QVariantMap entries;
    Names expected;
};

} // namespace

TEST_F(CustomerFilterTest, FilterDialogEntries)
{
    const Names everyone{"Adler", "Becker", "Cramer", "Dorn", "O'Brien", "Müller", "Mülz", "Muller"};
    const Names noContact{"Cramer", "O'Brien", "Müller", "Mülz", "Muller"};
    const FilterCase cases[] = {
        {"no entry", {}, everyone},
        {"birthday in December", {{"GB_MIN", "01.12.2000"}, {"GB_MAX", "31.12.2000"}}, {"Adler", "Becker"}},
        {"birthday only upper bound: January and no birthday",
         {{"GB_MAX", "31.01.2000"}},
         {"Cramer", "Dorn"}},
        {"birthday in December and e-mail from M",
         {{"GB_MIN", "01.12.2000"}, {"GB_MAX", "31.12.2000"}, {"EMAIL_MIN", "m"}},
         {"Adler"}},
        {"e-mail upper bound takes every address beginning with it", {{"EMAIL_MAX", "ANNA"}}, {"Becker"}},
        {"e-mail lower bound in capitals", {{"EMAIL_MIN", "z"}}, {"Dorn"}},
        {"equal distance bounds", {{"KM_MIN", "12"}, {"KM_MAX", "12"}}, {"Adler", "Becker"}},
        {"different distance bounds", {{"KM_MIN", "6"}, {"KM_MAX", "15"}}, {"Adler", "Becker"}},
        {"distance lower bound only", {{"KM_MIN", "12"}}, {"Adler", "Becker", "Cramer"}},
        // Umlauts sort with their base letter, so "Muller" begins with "Mül" as well.
        {"same three letters as both name bounds",
         {{"Name_Min", "Mül"}, {"Name_max", "Mül"}},
         {"Müller", "Mülz", "Muller"}},
        {"upper name bound alone",
         {{"Name_max", "Mül"}},
         {"Adler", "Becker", "Cramer", "Dorn", "Müller", "Mülz", "Muller"}},
        {"name with apostrophe", {{"Name_Min", "O'Brien"}, {"Name_max", "O'Brien"}}, {"O'Brien"}},
        {"name bounds ignore case", {{"Name_Min", "b"}, {"Name_max", "c"}}, {"Becker", "Cramer"}},
        {"guest type ignores case", {{"GTE", "C"}}, {"Becker"}},
        {"postcode range", {{"PLZ_min", "35000"}, {"PLZ_max", "35037"}}, {"Adler"}},
        {"town range", {{"Ort_MIN", "weimar"}, {"Ort_MAX", "weimar"}}, {"Becker"}},
        {"follow-up date", {{"WV_MIN", "01.03.2026"}, {"WV_MAX", "31.03.2026"}}, {"Adler"}},
        {"empty date masks are no bounds", {{"WV_MIN", "__.__.____"}, {"NV_max", "  .  .    "}}, everyone},
        {"any contact since", {{"NewDateEdit_LetzterLontaktVON", "01.01.2026"}}, {"Adler", "Becker"}},
        {"no contact after", {{"NewDateEdit_LetzterLontaktBIS", "31.12.2025"}}, Names{"Dorn"}},
        {"contact by telephone",
         {{"RadioButtonKontaktEinzeln", "1"}, {"NewDateEdit_LetzterLontakt_TEL_VON", "01.01.2026"}},
         {"Adler"}},
        {"per-medium mode ignores the general range",
         {{"RadioButtonKontaktEinzeln", "1"}, {"NewDateEdit_LetzterLontaktVON", "01.01.2026"}},
         everyone},
        {"distributor flag and event",
         {{"CheckBox_WARINBZH", "J"}, {"Edit_BZHVF", "herbstfest"}},
         {"Cramer"}},
        {"match code", {{"mc1_min", "koch"}, {"mc1_max", "koch"}}, {"Cramer"}},
    };
    for (const FilterCase& c : cases) {
        Names expected = c.expected;
        if (QString::fromLatin1(c.what) == QStringLiteral("no contact after"))
            expected.insert(noContact.begin(), noContact.end());
        EXPECT_EQ(filtered(c.entries), expected) << c.what;
    }
}

TEST_F(CustomerFilterTest, CustomerNumberBounds)
{
    EXPECT_EQ(filtered({{"K_NR_MIN", "100003"}, {"K_NR_max", "100004"}}), (Names{"Becker", "Cramer"}));
    EXPECT_EQ(view.count(), 2);
}

TEST_F(CustomerFilterTest, RemarksSearchTextStandsForItself)
{
    const FilterCase cases[] = {
        {"percent sign", {{"BEdit", "%"}}, {"Cramer"}},
        {"text with percent sign", {{"BEdit", "50%"}}, {"Cramer"}},
        {"apostrophe", {{"BEdit", "o'brien"}}, {"Dorn"}},
        {"remarks replace every other entry", {{"BEdit", "bar"}, {"Name_Min", "Z"}}, {"Cramer"}},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(filtered(c.entries), c.expected) << c.what;
        EXPECT_EQ(view.panelText(), CustomerView::kRemarksPanel);
    }
}

TEST_F(CustomerFilterTest, RemarksWithoutMatchSetNoFilter)
{
    for (const char* text : {"_", "zahlt 50%%", "x' OR 1=1 --"}) {
        ScriptedUi fresh;
        CustomerFilter filter;
        filter.set("BEdit", QString::fromLatin1(text));
        EXPECT_FALSE(view.applyFilterDialog(filter, fresh)) << text;
        EXPECT_TRUE(fresh.wasShown(CustomerView::kNoRemarksMatch)) << text;
        EXPECT_EQ(view.activeFilter(), CustomerView::FilterKind::None) << text;
    }
}

TEST_F(CustomerFilterTest, EntriesThatCannotBeUsedSetNoFilter)
{
    for (auto [field, entry] : {std::pair{"KM_MIN", "zwölf"}, std::pair{"WV_MIN", "31.02.2026"},
                                std::pair{"GB_MAX", "1.13.2000"}}) {
        ScriptedUi fresh;
        CustomerFilter filter;
        filter.set(QString::fromLatin1(field), QString::fromUtf8(entry));
        EXPECT_FALSE(view.applyFilterDialog(filter, fresh)) << field;
        ASSERT_EQ(fresh.shown().size(), 1) << field;
        EXPECT_EQ(view.count(), 11) << field;
    }
}

TEST_F(CustomerFilterTest, ResetEmptiesEntriesButKeepsContactMode)
{
    CustomerFilter filter;
    filter.set("GTE", "J");
    filter.set("name_min", "A");
    filter.setContactPerMedium(true);
    EXPECT_EQ(filter.value("Name_Min"), QStringLiteral("A"));
    EXPECT_FALSE(filter.set("Unbekannt", "x"));
    filter.clear();
    EXPECT_TRUE(filter.value("GTE").isEmpty());
    EXPECT_TRUE(filter.value("Name_Min").isEmpty());
    EXPECT_TRUE(filter.contactPerMedium());
}

} // namespace korbelant::test

namespace korbelant::test {

TEST(CustomerFilterExpression, EqualDistanceBoundsGiveOneEqualityTest)
{
    const struct
    {
        const char* low;
        const char* high;
        const char* expected;
    } cases[] = {{"12", "12", "(K_NR >= ?) AND (KM_ENTF = ?)"},
                 {"6", "15", "(K_NR >= ?) AND (KM_ENTF >= ?) AND (KM_ENTF <= ?)"},
                 {"", "15", "(K_NR >= ?) AND (KM_ENTF <= ?)"}};
    for (const auto& c : cases) {
        CustomerFilter filter;
        filter.set("KM_MIN", QString::fromLatin1(c.low));
        filter.set("KM_MAX", QString::fromLatin1(c.high));
        const CustomerFilter::Expression e = filter.expression();
        EXPECT_EQ(e.condition.sql(), QString::fromLatin1(c.expected));
        // The user's text travels only as bound values.
        EXPECT_EQ(e.condition.params().size(), QString::fromLatin1(c.expected).count('?'));
    }
    CustomerFilter quoted;
    quoted.set("Name_Min", "x' OR '1'='1");
    EXPECT_FALSE(quoted.expression().condition.sql().contains("OR"));
}

} // namespace korbelant::test
