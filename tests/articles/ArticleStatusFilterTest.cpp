#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

struct FilterCase
{
    const char* name;
    ArticleStatusSwitches switches;
    bool filtering;
    QStringList expected; // in article-number order
};

ArticleStatusSwitches only(bool neu, bool aktiv, bool inaktiv, bool entf, bool bestand = false,
                           bool party = false)
{
    ArticleStatusSwitches s;
    s.showNew = neu;
    s.showActive = aktiv;
    s.showInactive = inaktiv;
    s.showRemoved = entf;
    s.stockOnly = bestand;
    s.partyMode = party;
    return s;
}

class ArticleStatusFilterTest : public ArticleModuleFixture
{
protected:
    void SetUp() override
    {
        ArticleModuleFixture::SetUp();
        const QString aktiv = QStringLiteral("AKTIV"), neu = QStringLiteral("NEU"),
                      entf = QStringLiteral("ENTFERNT"), bestand = QStringLiteral("BESTAND"),
                      va = QStringLiteral("VA");
        addArticle(QStringLiteral("A001"), {{aktiv, true}});
        addArticle(QStringLiteral("E001"), {{entf, true}});
        addArticle(QStringLiteral("I001"), {{bestand, 3}}); // inactive, in stock
        addArticle(QStringLiteral("I002"), {{bestand, 0}});
        addArticle(QStringLiteral("N001"), {{neu, true}, {aktiv, true}});
        addArticle(QStringLiteral("N002"), {{neu, true}, {bestand, 0}});
        addArticle(QStringLiteral("P090"), {{va, QStringLiteral("90")}, {aktiv, true}, {bestand, -1}});
        addArticle(QStringLiteral("P091"), {{va, QStringLiteral("91")}, {aktiv, true}});
    }
};

TEST_F(ArticleStatusFilterTest, SwitchesDecideWhichArticlesPass)
{
    ArticleStatusSwitches everythingOff = only(false, false, false, false);
    ArticleStatusSwitches noFiltering = everythingOff;
    noFiltering.noFiltering = true;
    const QStringList all{"A001", "E001", "I001", "I002", "N001", "N002", "P090", "P091"};
    const FilterCase cases[] = {
        {"all four boxes", only(true, true, true, true), true, all},
        {"only active shows stock of an inactive article",
         only(false, true, false, false),
         true,
         {"A001", "I001", "N001", "P090", "P091"}},
        {"only inactive", only(false, false, true, false), true, {"E001", "I001", "I002", "N002"}},
        {"only new", only(true, false, false, false), true, {"N001", "N002"}},
        {"only removed", only(false, false, false, true), true, {"E001"}},
        {"stock only hides new articles without stock",
         only(true, false, false, false, true),
         true,
         {"I001"}},
        {"stock only overrides party mode", only(false, false, false, false, true, true), true, {"I001"}},
        {"party mode shows kinds after 90 with every box cleared",
         only(false, false, false, false, false, true),
         true,
         {"P091"}},
        {"every box cleared", everythingOff, true, {}},
        {"no-filtering lets everything pass", noFiltering, true, all},
        {"filtering off", everythingOff, false, all},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.name);
        modul().setSwitches(c.switches);
        modul().setFiltering(c.filtering);
        EXPECT_EQ(numbers(modul().rows()), c.expected);
        EXPECT_EQ(modul().recordCount(), c.expected.size());
    }
}

TEST_F(ArticleStatusFilterTest, KindSelectionNarrowsTheStatusFilter)
{
    modul().activateFromMainMenu();
    modul().setKindSelection(QStringLiteral("90=Ware aus eigenem Lager"));
    EXPECT_EQ(numbers(modul().rows()), QStringList{"P090"});
    modul().setSwitches(only(false, false, true, false));
    EXPECT_TRUE(modul().rows().empty());
    modul().setKindSelection(KindTable::kAll);
    EXPECT_EQ(modul().recordCount(), 4);
}

TEST_F(ArticleStatusFilterTest, MainMenuWindowSwitchesPartyModeOffAndRestoresItOnClose)
{
    modul().setPartyMode(true);
    modul().setSwitches([] {
        ArticleStatusSwitches s = only(false, false, false, false, true, true);
        s.noFiltering = true;
        return s;
    }());
    modul().activateFromMainMenu();
    modul().activateFromMainMenu(); // shown again while open
    const ArticleStatusSwitches& s = modul().switches();
    EXPECT_TRUE(s.showNew && s.showActive && s.showInactive && s.showRemoved);
    EXPECT_FALSE(s.stockOnly || s.noFiltering || s.partyMode);
    EXPECT_TRUE(modul().filtering());
    modul().setKindSelection(QStringLiteral("10=Verkauf Katalogartikel"));
    modul().closeWindow();
    EXPECT_TRUE(modul().switches().partyMode);
    EXPECT_FALSE(modul().filtering());
    EXPECT_TRUE(modul().kindFilter().isEmpty());
    EXPECT_EQ(modul().recordCount(), 8);
}

TEST_F(ArticleStatusFilterTest, CurrentRecordIsKeptWhileItStillPasses)
{
    modul().activateFromMainMenu();
    ASSERT_TRUE(modul().locate(QStringLiteral("I001")));
    modul().setSwitches(only(false, true, false, false));
    ASSERT_NE(modul().current(), nullptr);
    EXPECT_EQ(modul().current()->lNr, QStringLiteral("I001"));
}

} // namespace

} // namespace korbelant::test
