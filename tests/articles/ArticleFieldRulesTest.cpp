#include "articles/ArticleChooser.h"
#include "articles/ArticleRange.h"
#include "core/SqlPattern.h"
#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

using ArticleFieldRulesTest = ArticleModuleFixture;

TEST(ArticleFieldRules, WeekFieldsShowYearSlashWeek)
{
    EXPECT_EQ(ArticleFieldRules::weekDisplay(QStringLiteral("200315")), QStringLiteral("2003/15"));
    EXPECT_EQ(ArticleFieldRules::weekDisplay(QString()), QStringLiteral("/"));
    EXPECT_EQ(ArticleFieldRules::normaliseNumber(QStringLiteral(" a1b2 ")), QStringLiteral("A1B2"));
    EXPECT_EQ(SqlPattern::escape(QStringLiteral("5%_\\x")), QStringLiteral("5\\%\\_\\\\x"));
}

TEST(ArticleFieldRules, RangeEndReachesEveryNumberThatBeginsWithIt)
{
    EXPECT_EQ(ArticleRange::effectiveEnd(QString()), QStringLiteral("ZZZZZZZZ"));
    EXPECT_EQ(ArticleRange::effectiveEnd(QStringLiteral(" a1 ")), QStringLiteral("A1ZZZZZZZZ"));
    EXPECT_EQ(ArticleRange::effectiveEnd(QStringLiteral("A1234567")), QStringLiteral("A1234567"));
}

TEST_F(ArticleFieldRulesTest, SecondCurrencyFollowsTheDataSetsCurrency)
{
    options().setChecked(QStringLiteral("Euro"), true);
    options().setChecked(QStringLiteral("Artikel"), true);
    ArticleFieldRules euro(options());
    EXPECT_TRUE(euro.showSecondCurrency());
    EXPECT_DOUBLE_EQ(euro.secondCurrencyPrice(51.13), 100.0016);
    EXPECT_EQ(euro.priceTitle(), QStringLiteral("Preis(Euro)"));
    EXPECT_EQ(euro.secondCurrencyTitle(), QStringLiteral("Preis(DM)"));
    options().setChecked(QStringLiteral("Euro"), false);
    options().setChecked(QStringLiteral("Artikel"), false);
    ArticleFieldRules dm(options());
    EXPECT_FALSE(dm.showSecondCurrency());
    EXPECT_DOUBLE_EQ(dm.secondCurrencyPrice(100.0), 51.1292);
    EXPECT_EQ(dm.secondCurrencyTitle(), QStringLiteral("Preis(Euro)"));
    EXPECT_EQ(dm.minLengthLNr(), 4);
    EXPECT_EQ(dm.maxLengthLNr(), 8);
    EXPECT_EQ(dm.minLengthZNr(), 8);
}

TEST_F(ArticleFieldRulesTest, StockValueAndStatusSymbol)
{
    ArticleRecord r;
    r.preis = 2.5;
    r.bestand = 4;
    r.neu = true;
    r.aktiv = true;
    EXPECT_DOUBLE_EQ(ArticleFieldRules::stockValue(r), 10.0);
    EXPECT_EQ(ArticleFieldRules::status(r), ArticleFieldRules::Status::Stock);
    EXPECT_EQ(ArticleFieldRules::status(r, false), ArticleFieldRules::Status::New);
    r.neu = false;
    r.entfernt = true;
    EXPECT_EQ(ArticleFieldRules::status(r, false), ArticleFieldRules::Status::Removed);
    r.entfernt = false;
    EXPECT_EQ(ArticleFieldRules::status(r, false), ArticleFieldRules::Status::Listed);
    r.aktiv = false;
    EXPECT_EQ(ArticleFieldRules::status(r, false), ArticleFieldRules::Status::None);
}

TEST_F(ArticleFieldRulesTest, WeekFieldsAreReadAsStored)
{
    addArticle(QStringLiteral("W001"), {{QStringLiteral("WSPERRE"), QStringLiteral("200315")}});
    ASSERT_TRUE(modul().ArticleExists(QStringLiteral("W001")));
    EXPECT_EQ(ArticleFieldRules::weekDisplay(modul().foundArticle().wSperre), QStringLiteral("2003/15"));
    EXPECT_EQ(ArticleFieldRules::weekDisplay(modul().foundArticle().wFreigab), QStringLiteral("/"));
}

TEST_F(ArticleFieldRulesTest, ListRangeFromA100ToA1)
{
    for (const char* n : {"A09", "A1", "A100", "A1000001", "A10Z", "A1ZZ", "A2", "B100"})
        addArticle(QString::fromLatin1(n));
    modul().activateFromMainMenu();
    EXPECT_EQ(numbers(modul().listRows(QStringLiteral("A100"), QStringLiteral("A1"), false)),
              (QStringList{"A100", "A1000001", "A10Z", "A1ZZ"}));
    EXPECT_EQ(numbers(modul().listRows(QStringLiteral("A2"), QString(), false)), (QStringList{"A2", "B100"}));
    EXPECT_EQ(modul().listRows(QStringLiteral("A2"), QString(), true).size(), 8u);
    // The list keeps the view's filters and order.
    modul().setKindSelection(QStringLiteral("20=Sets und Kombiangebote"));
    EXPECT_TRUE(modul().listRows(QStringLiteral("A100"), QStringLiteral("A1"), false).empty());
}

TEST_F(ArticleFieldRulesTest, SparePartViewShowsThePrefixesOfTheProduct)
{
    for (const char* n : {"1234A", "5550", "5551", "5560", "5%70", "6000"})
        addArticle(QString::fromLatin1(n));
    modul().activateFromMainMenu();
    EXPECT_FALSE(modul().FilterSpareParts(QStringLiteral("1234")));
    EXPECT_EQ(ui().shownTexts(),
              QStringList{"Keine Ersatzteilinformationen geladen (BZH-Diskette einlesen)."});
    EXPECT_EQ(modul().recordCount(), 6);

    db().run(QStringLiteral(
        "INSERT INTO Ersatzteile (L_NR_ERS, L_NR_TWP) VALUES ('555', '1234'), ('6000', '1234'), "
        "('5%', '9999')"));
    modul().setKindSelection(QStringLiteral("10=Verkauf Katalogartikel"));
    EXPECT_FALSE(modul().FilterSpareParts(QStringLiteral("4321")));
    EXPECT_EQ(ui().shownTexts().last(), QStringLiteral("Für Artikel keine Ersatzteile gefunden."));
    EXPECT_EQ(modul().kindFilter(), QStringLiteral("10"));

    EXPECT_TRUE(modul().FilterSpareParts(QStringLiteral("1234A")));
    EXPECT_TRUE(modul().sparePartView());
    EXPECT_EQ(numbers(modul().rows()), (QStringList{"5550", "5551", "6000"}));
    EXPECT_TRUE(modul().FilterSpareParts(QStringLiteral("9999")));
    EXPECT_EQ(numbers(modul().rows()), QStringList{"5%70"}); // "%" in a prefix is a plain character
    modul().setKindSelection(KindTable::kAll);
    EXPECT_FALSE(modul().sparePartView());
    EXPECT_EQ(modul().recordCount(), 6);
}

TEST_F(ArticleFieldRulesTest, ChooserHandsSwitchesInAndOut)
{
    addArticle(QStringLiteral("C001"),
               {{QStringLiteral("BESTAND"), 2}, {QStringLiteral("VA"), QStringLiteral("20")}});
    addArticle(QStringLiteral("C002"));
    addArticle(QStringLiteral("C123456789"));
    modul().setPartyMode(true);
    ArticleStatusSwitches caller;
    caller.showNew = caller.showActive = caller.showInactive = caller.showRemoved = false;
    caller.stockOnly = true;
    ArticleChooser chooser(modul(), caller);
    EXPECT_TRUE(modul().switches().partyMode);
    EXPECT_EQ(numbers(modul().rows()), QStringList{"C001"});
    auto choice = chooser.choose();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->lNr, QStringLiteral("C001"));
    EXPECT_EQ(choice->va, QStringLiteral("20"));
    EXPECT_TRUE(ArticleChooser::isCancelKey(QStringLiteral("#")));
    EXPECT_FALSE(ArticleChooser::isCancelKey(QStringLiteral("a")));

    ArticleStatusSwitches changed = modul().switches();
    changed.stockOnly = false;
    changed.showInactive = true;
    modul().setSwitches(changed);
    ASSERT_TRUE(modul().locate(QStringLiteral("C123456789")));
    EXPECT_EQ(chooser.choose()->lNr, QStringLiteral("C1234567"));

    const ArticleStatusSwitches back = chooser.close();
    EXPECT_TRUE(back.showInactive);
    EXPECT_FALSE(back.stockOnly);
    EXPECT_TRUE(modul().switches().noFiltering);
    EXPECT_EQ(modul().recordCount(), 3);
    modul().useAfterChooser();
    EXPECT_FALSE(modul().switches().noFiltering);
    EXPECT_EQ(modul().sortOrder(), ArticleSortOrder::ByKind);
    EXPECT_EQ(numbers(modul().rows()), (QStringList{"C002", "C123456789", "C001"}));
}

} // namespace

} // namespace korbelant::test
