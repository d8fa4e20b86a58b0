#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

using ArticleLookupTest = ArticleModuleFixture;

TEST_F(ArticleLookupTest, KindValidForArticleFollowsTheSourceKind)
{
    addArticle(QStringLiteral("K010"), {{QStringLiteral("VA"), QStringLiteral("10")}});
    addArticle(QStringLiteral("K038"), {{QStringLiteral("VA"), QStringLiteral("38")}});
    addArticle(QStringLiteral("K020"), {{QStringLiteral("VA"), QStringLiteral("20")}});
    struct Case
    {
        const char* va;
        const char* lNr;
        bool valid;
    } cases[] = {
        {"38", "K010", true},  // the kind's source is the article's kind
        {"38", "K038", true},  // the article is of the kind itself
        {"38", "K020", false}, // neither
        {"20", "K010", true},  // no source: any article
        {"10", "K020", false}, // source "10" is the kind itself
        {"77", "K010", false}, // unknown kind
        {"10", "X999", false}, // unknown article
        {"38", "k010", true},  // article numbers are looked up without regard to case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.va) + " " + c.lNr);
        EXPECT_EQ(modul().KindValidForArticle(QString::fromLatin1(c.va), QString::fromLatin1(c.lNr)),
                  c.valid);
    }
}

TEST_F(ArticleLookupTest, KindValidForArticleIsFalseWhenTheSourceKindDiffers)
{
    // The same question with the source kind changed from "10" to "20".
    addArticle(QStringLiteral("K010"));
    EXPECT_TRUE(modul().KindValidForArticle(QStringLiteral("38"), QStringLiteral("K010")));
    db().run(QStringLiteral("UPDATE VA SET VAQUELLE = '20' WHERE VA = '38'"));
    reopen();
    EXPECT_FALSE(modul().KindValidForArticle(QStringLiteral("38"), QStringLiteral("K010")));
}

TEST_F(ArticleLookupTest, ArticleExistsFindsTheExactNumberOnly)
{
    addArticle(QStringLiteral("A1000"),
               {{QStringLiteral("L_TEXT"), QStringLiteral("Schüssel")}, {QStringLiteral("PREIS"), 12.5}});
    EXPECT_TRUE(modul().ArticleExists(QStringLiteral("A1000")));
    EXPECT_EQ(modul().foundArticle().lText, QStringLiteral("Schüssel"));
    EXPECT_DOUBLE_EQ(modul().foundArticle().preis, 12.5);
    EXPECT_FALSE(modul().ArticleExists(QStringLiteral("A100")));
    EXPECT_FALSE(modul().ArticleExists(QStringLiteral("A1000%")));
    EXPECT_FALSE(modul().ArticleExists(QString()));
}

TEST_F(ArticleLookupTest, TextKindsAndDisplayList)
{
    EXPECT_TRUE(modul().IsTextKind(QStringLiteral("95")));
    ASSERT_NE(modul().currentKind(), nullptr);
    EXPECT_EQ(modul().currentKind()->va, QStringLiteral("95"));
    EXPECT_FALSE(modul().IsTextKind(QStringLiteral("10")));
    EXPECT_FALSE(modul().IsTextKind(QStringLiteral("77")));
    EXPECT_EQ(modul().currentKind(), nullptr);
    const QStringList list = modul().KindDisplayList();
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list.first(), QStringLiteral("10=Verkauf Katalogartikel"));
    EXPECT_EQ(list.last(), QStringLiteral("95=Info-Text"));
    EXPECT_EQ(KindTable::codeOfEntry(list.at(2)), QStringLiteral("38"));
    EXPECT_EQ(KindTable::codeOfEntry(KindTable::kAll), QString());
    EXPECT_EQ(modul().kinds().numberCarryingKinds(), QStringList{"38"});
}

} // namespace

} // namespace korbelant::test
