#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

class ArticleSearchTest : public ArticleModuleFixture
{
protected:
    void SetUp() override
    {
        ArticleModuleFixture::SetUp();
        add("B001", "Schüssel 50% Rabatt", 3, 12.5);
        add("B002", "Dose_klein", 1, 4.0);
        add("B003", "Dose groß", 5, 4.0);
        add("B004", "O'Brien Becher", 0, 30.0);
        add("B005", "SCHÜSSEL blau", 5, 7.25);
        add("B006", "Doseklein", 2, 1.0);
    }
    void add(const char* lNr, const char* text, int stars, double price)
    {
        addArticle(QString::fromLatin1(lNr), {{QStringLiteral("L_TEXT"), QString::fromUtf8(text)},
                                              {QStringLiteral("STERNE"), stars},
                                              {QStringLiteral("PREIS"), price}});
    }
    QStringList search(const char* entry, bool ignoreCase)
    {
        QStringList found;
        for (const auto& hit : modul().fullTextSearch(QString::fromUtf8(entry), ignoreCase))
            found << hit.lNr;
        return found;
    }
};

TEST_F(ArticleSearchTest, FullTextTakesTheEntryLiterally)
{
    struct Case
    {
        const char* entry;
        bool ignoreCase;
        QStringList expected;
    } cases[] = {
        {"dose", true, {"B002", "B003", "B006"}},
        {"dose", false, {}},
        {"Dose", false, {"B002", "B003", "B006"}},
        {"schüssel", true, {"B001", "B005"}}, // umlauts fold too
        {"Schüssel", false, {"B001"}},
        {"50%", true, {"B001"}},
        {"%", true, {"B001"}}, // a percent sign is no wildcard
        {"_", true, {"B002"}}, // nor is the underscore
        {"Dose_", false, {"B002"}},
        {"O'Brien", true, {"B004"}}, // quotes do not end the text
        {"'; DROP TABLE Lager; --", true, {}},
        {"", true, {"B001", "B002", "B003", "B004", "B005", "B006"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + (c.ignoreCase ? " (ohne Groß/klein)" : " (mit Groß/klein)"));
        EXPECT_EQ(search(c.entry, c.ignoreCase), c.expected);
    }
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM Lager")).toInt(), 6);
}

TEST_F(ArticleSearchTest, SortOrdersFollowTheirIndexes)
{
    struct Case
    {
        ArticleSortOrder::Order order;
        QStringList expected;
    } cases[] = {
        {ArticleSortOrder::ByNumber, {"B001", "B002", "B003", "B004", "B005", "B006"}},
        {ArticleSortOrder::ByText, {"B003", "B002", "B006", "B004", "B001", "B005"}},
        {ArticleSortOrder::ByStars, {"B005", "B003", "B001", "B006", "B002", "B004"}},
        {ArticleSortOrder::ByPrice, {"B006", "B002", "B003", "B005", "B001", "B004"}},
    };
    modul().activateFromMainMenu();
    for (const Case& c : cases) {
        SCOPED_TRACE(ArticleSortOrder::choiceName(c.order).toStdString());
        modul().setCurrentRow(3);
        modul().setSortOrder(c.order);
        EXPECT_EQ(numbers(modul().rows()), c.expected);
        EXPECT_EQ(modul().currentRow(), 0);
    }
}

TEST_F(ArticleSearchTest, SortChoiceMarksItsColumnTitle)
{
    EXPECT_EQ(ArticleSortOrder::choices(),
              (QStringList{"Artikelnummer", "Artikelbezeichnung", "Sterne", "Preis"}));
    EXPECT_EQ(ArticleSortOrder::fromChoice(QStringLiteral("Preis")), ArticleSortOrder::ByPrice);
    EXPECT_TRUE(ArticleSortOrder::marksColumn(ArticleSortOrder::ByNumber, QStringLiteral("artikel-nr.")));
    EXPECT_TRUE(
        ArticleSortOrder::marksColumn(ArticleSortOrder::ByText, QStringLiteral("Artikel-Bezeichnung")));
    EXPECT_FALSE(ArticleSortOrder::marksColumn(ArticleSortOrder::ByText, QStringLiteral("Preis")));
    EXPECT_EQ(ArticleSortOrder::searchLabel(ArticleSortOrder::ByText), QStringLiteral("Artikel-Be. :"));
    EXPECT_EQ(ArticleSortOrder::searchLabel(ArticleSortOrder::ByNumber), QStringLiteral("Artikel-Nr. :"));
    EXPECT_EQ(ArticleSortOrder::searchLabel(ArticleSortOrder::ByPrice), QStringLiteral("Preis :"));
}

TEST_F(ArticleSearchTest, IncrementalSearchWorksOnTheFieldOfTheOrder)
{
    modul().activateFromMainMenu();
    struct Case
    {
        ArticleSortOrder::Order order;
        const char* entry;
        const char* expected; // nullptr: not found, the record stays
    } cases[] = {
        {ArticleSortOrder::ByNumber, "b00", "B001"},  {ArticleSortOrder::ByNumber, "B005", "B005"},
        {ArticleSortOrder::ByNumber, "X", nullptr},   {ArticleSortOrder::ByText, "dose g", "B003"},
        {ArticleSortOrder::ByText, "o'b", "B004"},    {ArticleSortOrder::ByStars, "5", "B005"},
        {ArticleSortOrder::ByStars, "fünf", nullptr}, {ArticleSortOrder::ByPrice, "4,00", "B002"},
        {ArticleSortOrder::ByPrice, "7.25", "B005"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        modul().setSortOrder(c.order);
        modul().setCurrentRow(2);
        const QString before = modul().current()->lNr;
        EXPECT_EQ(modul().incrementalSearch(QString::fromUtf8(c.entry)), c.expected != nullptr);
        EXPECT_EQ(modul().current()->lNr, c.expected ? QString::fromLatin1(c.expected) : before);
    }
    modul().setSortOrder(ArticleSortOrder::ByNumber);
    modul().moveBy(1);
    EXPECT_EQ(modul().currentRow(), 1);
    modul().moveBy(10);
    EXPECT_EQ(modul().currentRow(), 5);
    modul().moveBy(-10);
    EXPECT_EQ(modul().currentRow(), 0);
}

} // namespace

} // namespace korbelant::test
