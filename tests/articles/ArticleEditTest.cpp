#include "articles/ArticleEditCheck.h"
#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

class ArticleEditTest : public ArticleModuleFixture
{
protected:
    ArticleRecord valid(const QString& lNr = QStringLiteral("b123")) const
    {
        ArticleRecord r;
        r.lNr = lNr;
        r.zNr = QStringLiteral("12345678");
        r.va = QStringLiteral("10");
        r.lText = QStringLiteral("Frischhaltedose");
        r.preis = 9.9;
        r.bestand = 2;
        r.aktiv = true;
        return r;
    }
    int count() { return db().scalar(QStringLiteral("SELECT count(*) FROM Lager")).toInt(); }
};

TEST_F(ArticleEditTest, AllThreeChecksShowTheirMessagesInOrderAndNothingIsStored)
{
    ArticleRecord r = valid(QStringLiteral("ABC"));
    r.va = QStringLiteral("77");
    r.zNr = QStringLiteral("1234567");
    EXPECT_EQ(modul().saveArticle(r, QString()), TArtikelModul::SaveResult::Refused);
    EXPECT_EQ(ui().shownTexts(),
              (QStringList{"Die gewählte VA ist ungültig !", "Die TW-Bestell-Nr. muss 8 Stellen lang sein",
                           "Die Artikel-Nr. muss 4 Stellen lang sein"}));
    EXPECT_EQ(count(), 0);
}

TEST_F(ArticleEditTest, MinimumLengthsComeFromTheOptions)
{
    options().setText(QStringLiteral("min_length_L_NR"), QStringLiteral("5"));
    options().setText(QStringLiteral("min_length_Z_NR"), QStringLiteral("6"));
    options().setText(QStringLiteral("max_length_Z_NR"), QStringLiteral("8"));
    ArticleRecord r = valid(QStringLiteral("B123"));
    r.zNr = QStringLiteral("12345");
    EXPECT_EQ(modul().saveArticle(r, QString()), TArtikelModul::SaveResult::Refused);
    EXPECT_EQ(ui().shownTexts(), (QStringList{"Die TW-Bestell-Nr. muss 6 Stellen lang sein",
                                              "Die Artikel-Nr. muss 5 Stellen lang sein"}));
}

TEST_F(ArticleEditTest, NumbersLongerThanTheirMaximumAreRefusedNotCut)
{
    ArticleRecord r = valid(QStringLiteral("B12345678"));
    r.zNr = QStringLiteral("123456789");
    EXPECT_EQ(modul().saveArticle(r, QString()), TArtikelModul::SaveResult::Refused);
    EXPECT_EQ(ui().shownTexts(), (QStringList{ArticleEditCheck::orderNumberTooLong(8),
                                              ArticleEditCheck::articleNumberTooLong(8)}));
    EXPECT_EQ(count(), 0);
}

TEST_F(ArticleEditTest, NewArticleIsStoredUpperCaseAndInactive)
{
    ArticleRecord r = valid(QStringLiteral(" b123 "));
    r.neu = true;
    EXPECT_EQ(modul().saveArticle(r, QString()), TArtikelModul::SaveResult::Saved);
    EXPECT_TRUE(ui().shown().isEmpty());
    ASSERT_TRUE(modul().ArticleExists(QStringLiteral("B123")));
    const ArticleRecord& stored = modul().foundArticle();
    EXPECT_EQ(stored.lNr, QStringLiteral("B123"));
    EXPECT_FALSE(stored.aktiv);
    EXPECT_FALSE(stored.neu);
    EXPECT_EQ(stored.bestand, 2);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT L_NR FROM Lager")).toString(), QStringLiteral("B123"));
}

TEST_F(ArticleEditTest, ExistingNumberIsRefusedWithItsMessage)
{
    addArticle(QStringLiteral("B123"), {{QStringLiteral("L_TEXT"), QStringLiteral("alt")}});
    ArticleRecord r = valid(QStringLiteral("b123"));
    EXPECT_EQ(modul().saveArticle(r, QString()), TArtikelModul::SaveResult::Duplicate);
    EXPECT_EQ(ui().shownTexts(), QStringList{"Die gewählte Artikelnummer ist schon vorhanden"});
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT L_TEXT FROM Lager")).toString(), QStringLiteral("alt"));
    EXPECT_EQ(r.lText, QStringLiteral("Frischhaltedose")); // the entered values stay for the dialog
}

TEST_F(ArticleEditTest, EditingKeepsOrRenamesTheArticleAndMakesItInactive)
{
    addArticle(QStringLiteral("B123"), {{QStringLiteral("AKTIV"), true}, {QStringLiteral("NEU"), true}});
    addArticle(QStringLiteral("C999"));
    modul().activateFromMainMenu();
    ASSERT_TRUE(modul().locate(QStringLiteral("B123")));
    ArticleRecord r = *modul().current();
    r.zNr = QStringLiteral("87654321");
    r.lText = QStringLiteral("geändert");
    EXPECT_EQ(modul().saveArticle(r, QStringLiteral("B123")), TArtikelModul::SaveResult::Saved);
    ASSERT_TRUE(modul().ArticleExists(QStringLiteral("B123")));
    EXPECT_FALSE(modul().foundArticle().aktiv);
    EXPECT_TRUE(modul().foundArticle().neu);
    EXPECT_EQ(modul().foundArticle().lText, QStringLiteral("geändert"));

    r.lNr = QStringLiteral("C999");
    EXPECT_EQ(modul().saveArticle(r, QStringLiteral("B123")), TArtikelModul::SaveResult::Duplicate);
    r.lNr = QStringLiteral("B124");
    EXPECT_EQ(modul().saveArticle(r, QStringLiteral("B123")), TArtikelModul::SaveResult::Saved);
    EXPECT_EQ(numbers(modul().rows()), (QStringList{"B124", "C999"}));
    EXPECT_EQ(modul().current()->lNr, QStringLiteral("B124"));
}

TEST_F(ArticleEditTest, DeletingAsksFirst)
{
    addArticle(QStringLiteral("B123"));
    addArticle(QStringLiteral("B124"));
    modul().activateFromMainMenu();
    ASSERT_TRUE(modul().locate(QStringLiteral("B123")));
    ui().addAnswer(UiPort::Answer::Cancel);
    EXPECT_FALSE(modul().deleteCurrent());
    EXPECT_EQ(count(), 2);
    ui().addAnswer(UiPort::Answer::Ok);
    EXPECT_TRUE(modul().deleteCurrent());
    EXPECT_EQ(ui().shownTexts(), (QStringList{"Artikel wirklich löschen ?", "Artikel wirklich löschen ?"}));
    EXPECT_EQ(numbers(modul().rows()), QStringList{"B124"});
    EXPECT_EQ(modul().current()->lNr, QStringLiteral("B124"));
}

} // namespace

} // namespace korbelant::test
