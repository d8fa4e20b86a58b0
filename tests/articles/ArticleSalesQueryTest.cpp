#include "articles/ArticleSalesQuery.h"
#include "core/Schema.h"
#include "support/ArticleModuleFixture.h"

namespace korbelant::test {

namespace {

class ArticleSalesQueryTest : public ArticleModuleFixture
{
protected:
    void SetUp() override
    {
        ArticleModuleFixture::SetUp();
        db().insert(Schema::get(QStringLiteral("Kunden")),
                    {{QStringLiteral("K_NR"), QStringLiteral("100002")},
                     {QStringLiteral("VORNAME"), QStringLiteral("Erna")},
                     {QStringLiteral("NAME"), QStringLiteral("O'Neill")},
                     {QStringLiteral("PLZ"), QStringLiteral("12345")},
                     {QStringLiteral("ORT"), QStringLiteral("Musterstadt")},
                     {QStringLiteral("STRASSE"), QStringLiteral("Weg 1")},
                     {QStringLiteral("TELEFON"), QStringLiteral("0123")}});
        participant(QStringLiteral("010103A"), QStringLiteral("02"), QStringLiteral("100002"));
        line(QStringLiteral("010103A"), QStringLiteral("02"), QStringLiteral("A100"), QStringLiteral("10"),
             QStringLiteral("200301"), 2, 10);
        line(QStringLiteral("010103A"), QStringLiteral("02"), QStringLiteral("A1_9"), QStringLiteral("38"),
             QStringLiteral("200310"), 1, 5);
        line(QStringLiteral("010103A"), QStringLiteral("02"), QStringLiteral("A109"), QStringLiteral("10"),
             QStringLiteral("200320"), 3, 7);
        line(QStringLiteral("010103A"), QStringLiteral("02"), QStringLiteral("B200"), QStringLiteral("20"),
             QStringLiteral("200315"), 1, 4);
    }
    void participant(const QString& rNr, const QString& pNr, const QString& kNr)
    {
        db().insert(
            Schema::get(QStringLiteral("Tupper")),
            {{QStringLiteral("R_NR"), rNr}, {QStringLiteral("P_NR"), pNr}, {QStringLiteral("K_NR"), kNr}});
    }
    void line(const QString& rNr, const QString& pNr, const QString& lNr, const QString& va,
              const QString& week, double pieces, double price)
    {
        db().insert(Schema::get(QStringLiteral("Tupper1")),
                    {{QStringLiteral("R_NR"), rNr},
                     {QStringLiteral("P_NR"), pNr},
                     {QStringLiteral("L_NR"), lNr},
                     {QStringLiteral("VA"), va},
                     {QStringLiteral("MWoche"), week},
                     {QStringLiteral("TWoche"), QStringLiteral("1")},
                     {QStringLiteral("STUECK"), pieces},
                     {QStringLiteral("EINZ_PREIS"), price},
                     {QStringLiteral("SUMME"), pieces * price},
                     {QStringLiteral("KOSTEN"), pieces * price * 0.75}});
    }
    QStringList run(const ArticleSalesQuery::Conditions& c)
    {
        QStringList found;
        for (const auto& sale : ArticleSalesQuery(db()).run(c))
            found << sale.lNr;
        return found;
    }
};

TEST_F(ArticleSalesQueryTest, ConditionsNarrowTheSales)
{
    struct Case
    {
        const char* name;
        ArticleSalesQuery::Conditions conditions;
        QStringList expected;
    } cases[] = {
        {"no conditions", {}, {"A100", "A109", "A1_9", "B200"}},
        {"article prefix", {"A1", "", "", ""}, {"A100", "A109", "A1_9"}},
        {"underscore is no wildcard", {"A1_", "", "", ""}, {"A1_9"}},
        {"percent is no wildcard", {"%", "", "", ""}, {}},
        {"quote in the article", {"A1'", "", "", ""}, {}},
        {"kind", {"", "10", "", ""}, {"A100", "A109"}},
        {"weeks", {"", "", "200310", "200315"}, {"A1_9", "B200"}},
        {"everything", {"A", "10", "200302", "200352"}, {"A109"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.conditions), c.expected);
    }
}

TEST_F(ArticleSalesQueryTest, ColumnsCarryBuyerWeekAndWeightedTurnover)
{
    const auto sales = ArticleSalesQuery(db()).run({QStringLiteral("A100"), {}, {}, {}});
    ASSERT_EQ(sales.size(), 1u);
    const auto& s = sales.front();
    EXPECT_EQ(s.kundenName, QStringLiteral("Erna O'Neill"));
    EXPECT_EQ(s.kNr, QStringLiteral("100002"));
    EXPECT_EQ(s.ort, QStringLiteral("12345 Musterstadt"));
    EXPECT_EQ(s.strasse, QStringLiteral("Weg 1"));
    EXPECT_EQ(s.woche, QStringLiteral("2003011"));
    EXPECT_EQ(ArticleSalesQuery::weekDisplay(s.woche), QStringLiteral("2003/01/1"));
    EXPECT_DOUBLE_EQ(s.summe, 20.0);
    EXPECT_DOUBLE_EQ(s.kosten, 15.0);
    EXPECT_DOUBLE_EQ(s.umsatzVkg, 20.0);
    EXPECT_DOUBLE_EQ(s.umsatzWb, 10.0);
}

TEST(ArticleSalesWeeks, WeekKeyOfYearAndWeekEntries)
{
    EXPECT_EQ(ArticleSalesQuery::weekKey(QStringLiteral("2003"), QStringLiteral("5")),
              QStringLiteral("200305"));
    EXPECT_EQ(ArticleSalesQuery::weekKey(QStringLiteral("2003"), QString()), QStringLiteral("200301"));
    EXPECT_EQ(ArticleSalesQuery::weekKey(QStringLiteral("2003"), QString(), true), QStringLiteral("200353"));
    EXPECT_EQ(ArticleSalesQuery::weekKey(QString(), QStringLiteral("5")), QString());
    EXPECT_EQ(ArticleSalesQuery::weekDisplay(QStringLiteral("200315")), QStringLiteral("2003/15"));
}

} // namespace

} // namespace korbelant::test
