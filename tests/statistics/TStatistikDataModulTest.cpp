#include "statistics/TStatistikDataModul.h"
#include "core/Database.h"
#include "core/Schema.h"
#include "core/Transaction.h"
#include "statistics/CustomerStatisticsReport.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"

namespace korbelant::test {

namespace {

using Sort = CustomerStatisticSort::Key;

// Erna (100001) was guest at three parties and host of one with a turnover of 400; each of the
// three other parties has its own host, who took part nowhere else.
class StatisticsFixture : public DataSetFixture
{
protected:
    void SetUp() override
    {
        CustomerBuilder(QStringLiteral("200001"))
            .name(QStringLiteral("mÜLLER-lüdenscheidt"), QStringLiteral("Erna"))
            .insertInto(db());
        for (const char* k : {"200002", "200003", "200004"})
            CustomerBuilder(QString::fromLatin1(k)).insertInto(db());
        party("0001", "200305", "200002", 100, 5, 10);
        party("0002", "200306", "200003", 200, 7, 20);
        party("0003", "200307", "200004", 300, 9, 30);
        party("0004", "200310", "200001", 400, 11, 40);
        guest("0001", "02", "200001", 10);
        guest("0002", "02", "200001", 20);
        guest("0003", "02", "200001", 30);
        guest("0004", "01", "200001", 40);
        guest("0001", "01", "200002", 1);
        guest("0002", "01", "200003", 2);
        guest("0003", "01", "200004", 3);
    }

    void party(const char* rNr, const char* week, const char* host, double turnover, int stars,
               double starAmount)
    {
        PartyBuilder(QString::fromLatin1(rNr))
            .week(QString::fromLatin1(week), QStringLiteral("1"))
            .host(QString::fromLatin1(host))
            .with(QStringLiteral("S_UMSATZ"), turnover)
            .with(QStringLiteral("STERNE"), stars)
            .with(QStringLiteral("STERNE_DM"), starAmount)
            .insertInto(db());
    }

    void guest(const char* rNr, const char* pNr, const char* customer, double turnover,
               const char* type = nullptr)
    {
        const QString p = QString::fromLatin1(pNr);
        db().insert(Schema::get(QStringLiteral("Tupper")),
                    {{QStringLiteral("R_NR"), QString::fromLatin1(rNr)},
                     {QStringLiteral("P_NR"), p},
                     {QStringLiteral("K_NR"), QString::fromLatin1(customer)},
                     {QStringLiteral("V_GTYP"),
                      type ? QString::fromLatin1(type)
                           : (p == QStringLiteral("01") ? QStringLiteral("1") : QStringLiteral("0"))},
                     {QStringLiteral("UMSATZ"), turnover}});
    }

    std::vector<CustomerStatistic> all(Sort sort = Sort::Umsatz, int minimum = 0)
    {
        return TStatistikDataModul(db()).KundenStatistik({}, sort, minimum);
    }

    static const CustomerStatistic* find(const std::vector<CustomerStatistic>& rows, const QString& kNr)
    {
        for (const CustomerStatistic& r : rows)
            if (r.K_NR == kNr)
                return &r;
        return nullptr;
    }
};

TEST_F(StatisticsFixture, GuestThreeTimesAndHostOnce)
{
    const auto rows = all();
    const CustomerStatistic* erna = find(rows, QStringLiteral("200001"));
    ASSERT_NE(erna, nullptr);
    EXPECT_EQ(erna->VANZAHL, 4);
    EXPECT_EQ(erna->GVANZAHL, 1);
    EXPECT_DOUBLE_EQ(erna->GastGUmsatz, 400);
    ASSERT_TRUE(erna->VUmsatz.has_value());
    EXPECT_DOUBLE_EQ(*erna->VUmsatz, 400);
    EXPECT_DOUBLE_EQ(erna->AVUmsatz, 100);
    EXPECT_DOUBLE_EQ(erna->Umsatz, 100);
    EXPECT_EQ(erna->Sterne, 11);
    EXPECT_DOUBLE_EQ(erna->UM_Sterne, 40);
    EXPECT_EQ(erna->NAME, QStringLiteral("Erna mÜLLER-lüdenscheidt"));
    EXPECT_EQ(erna->XNAME, QStringLiteral("Müller-lüdensch"));
}

TEST_F(StatisticsFixture, CustomerWhoNeverHostedHasNoTurnoverPerParty)
{
    guest("0004", "03", "200002", 5);
    const CustomerStatistic* guestOnly = find(all(), QStringLiteral("200002"));
    ASSERT_NE(guestOnly, nullptr);
    EXPECT_EQ(guestOnly->GVANZAHL, 1);
    // A customer at a party that is not hers, and never a host:
    CustomerBuilder(QStringLiteral("200005")).insertInto(db());
    guest("0004", "04", "200005", 7);
    const CustomerStatistic* newcomer = find(all(), QStringLiteral("200005"));
    ASSERT_NE(newcomer, nullptr);
    EXPECT_EQ(newcomer->GVANZAHL, 0);
    EXPECT_FALSE(newcomer->VUmsatz.has_value());
    EXPECT_DOUBLE_EQ(newcomer->AVUmsatz, 0);
}

TEST_F(StatisticsFixture, SortsAndMinimum)
{
    struct Case
    {
        Sort sort;
        int minimum;
        QStringList expected;
    } cases[] = {
        {Sort::Umsatz, 0, {"200001", "200004", "200003", "200002"}},
        {Sort::Sterne, 0, {"200001", "200004", "200003", "200002"}},
        {Sort::UmsatzAlsGastgeber, 0, {"200001", "200004", "200003", "200002"}},
        {Sort::UmsatzProVorfuehrung, 0, {"200004", "200003", "200001", "200002"}},
        {Sort::Umsatz, 2, {"200001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CustomerStatisticSort::label(c.sort).toStdString() + " min " +
                     std::to_string(c.minimum));
        QStringList order;
        for (const CustomerStatistic& r : all(c.sort, c.minimum))
            order << r.K_NR;
        EXPECT_EQ(order, c.expected);
    }
}

TEST_F(StatisticsFixture, MinimumAlsoNarrowsThePrint)
{
    const auto rows = all(Sort::Umsatz, 2);
    const ReportDocument doc = CustomerStatisticsReport::document(rows, Sort::Umsatz, {"200301", "200353"});
    ASSERT_EQ(doc.sections.size(), 1u);
    EXPECT_EQ(doc.sections.front().rowCount(), 1);
    EXPECT_EQ(doc.sections.front().heading,
              QStringLiteral("Statistik-Liste sortiert nach Umsatz, von 2003/01 bis 2003/53"));
    EXPECT_DOUBLE_EQ(doc.sections.front().total(4), 400);
}

TEST_F(StatisticsFixture, PeriodCountsThePartiesOfItsWeeks)
{
    const auto rows = TStatistikDataModul(db()).KundenStatistik({"200306", "200307"}, Sort::Umsatz);
    const CustomerStatistic* erna = find(rows, QStringLiteral("200001"));
    ASSERT_NE(erna, nullptr);
    EXPECT_EQ(erna->VANZAHL, 2);
    EXPECT_EQ(erna->GVANZAHL, 0);
    EXPECT_EQ(find(rows, QStringLiteral("200002")), nullptr);
    EXPECT_EQ(StatisticsPeriod::fromFields("2003", "6", "2003", "").to, QStringLiteral("200353"));
}

TEST_F(StatisticsFixture, HostMarkersAreCorrectedWithoutTouchingRightRecords)
{
    guest("0004", "02", "200002", 0, "1");
    guest("0004", "03", "200003", 0, "");
    db().run(QStringLiteral("UPDATE Tupper SET V_GTYP = '0' WHERE R_NR = '0001' AND P_NR = '01'"));
    db().run(QStringLiteral("CREATE TEMP TABLE touched (r TEXT, p TEXT)"));
    db().run(QStringLiteral("CREATE TEMP TRIGGER t AFTER UPDATE ON Tupper BEGIN "
                            "INSERT INTO touched VALUES (NEW.R_NR, NEW.P_NR); END"));

    EXPECT_EQ(TStatistikDataModul(db()).CorrectHostMarkers(), 3);
    QStringList touched;
    for (const QVariantList& row : db().rows(QStringLiteral("SELECT r || '/' || p FROM touched ORDER BY 1")))
        touched << row.value(0).toString();
    EXPECT_EQ(touched, (QStringList{"0001/01", "0004/02", "0004/03"}));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper WHERE V_GTYP IS NOT "
                                         "CASE WHEN P_NR = '01' THEN '1' ELSE '0' END"))
                  .toInt(),
              0);
    EXPECT_EQ(TStatistikDataModul(db()).CorrectHostMarkers(), 0);
    EXPECT_EQ(find(all(), QStringLiteral("200002"))->GVANZAHL, 1);
}

TEST_F(StatisticsFixture, UnpaidOrdersOfThePeriod)
{
    db().run(QStringLiteral("UPDATE Tupper SET MWoche = '200306', BEZAHLT = 0 WHERE R_NR = '0002'"));
    db().run(QStringLiteral("UPDATE Tupper SET MWoche = '200310', BEZAHLT = 0 WHERE R_NR = '0004'"));
    const auto rows = TStatistikDataModul(db()).BezahltQuery({"200301", "200309"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].R_NR + rows[0].P_NR, QStringLiteral("000201"));
    EXPECT_EQ(rows[1].R_NR + rows[1].P_NR, QStringLiteral("000202"));
    EXPECT_EQ(rows[1].NAME, QStringLiteral("mÜLLER-lüdenscheidt, Erna"));
    EXPECT_EQ(UnpaidOrder::weekShown(rows[0].MWoche), QStringLiteral("2003 \\ 06"));
    EXPECT_EQ(UnpaidOrder::paidShown(rows[0].BEZAHLT), QStringLiteral("nicht bezahlt"));
}

TEST_F(StatisticsFixture, WeeksListThePartyHeadersOfThePeriod)
{
    db().run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 1 WHERE R_NR = '0002'"));
    const auto parties = TStatistikDataModul(db()).WochenQuery({"200306", "200307"});
    ASSERT_EQ(parties.size(), 2u);
    EXPECT_EQ(parties[0].R_NR, QStringLiteral("0002"));
    EXPECT_TRUE(parties[0].ERSTELLT);
    EXPECT_FALSE(parties[1].ERSTELLT);
}

class BestSellerFixture : public DataSetFixture
{
protected:
    void SetUp() override
    {
        line("A100", "10", "200301", 2, 10, 1);
        line("A100", "38", "200305", 1, 8, 2);
        line("A100", "10", "200320", 3, 9, 1);
        line("A1%9", "10", "200310", 5, 1, 0);
        line("B'20", "20", "200315", 1, 50, 3);
        line("", "10", "200315", 9, 9, 9);
    }
    void line(const char* lNr, const char* va, const char* week, double pieces, double price, double stars)
    {
        db().insert(Schema::get(QStringLiteral("Tupper1")),
                    {{QStringLiteral("R_NR"), QStringLiteral("0001")},
                     {QStringLiteral("P_NR"), QStringLiteral("02")},
                     {QStringLiteral("L_NR"), QString::fromLatin1(lNr)},
                     {QStringLiteral("VA"), QString::fromLatin1(va)},
                     {QStringLiteral("MWoche"), QString::fromLatin1(week)},
                     {QStringLiteral("STUECK"), pieces},
                     {QStringLiteral("STERNE"), stars},
                     {QStringLiteral("EINZ_PREIS"), price},
                     {QStringLiteral("EINZ_KOST"), price / 2},
                     {QStringLiteral("SUMME"), pieces * price},
                     {QStringLiteral("KOSTEN"), pieces * price / 2}});
    }
    QStringList list(const ArticleSalesQuery::Conditions& c, BestSellerSort::Key sort)
    {
        QStringList found;
        for (const BestSeller& b : TStatistikDataModul(db()).ArtikelSumQuery(c, sort))
            found << b.L_NR + QLatin1Char('/') + b.VA;
        return found;
    }
};

TEST_F(BestSellerFixture, ConditionsAndSorts)
{
    using Key = BestSellerSort::Key;
    struct Case
    {
        const char* name;
        ArticleSalesQuery::Conditions conditions;
        Key sort;
        QStringList expected;
    } cases[] = {
        {"one line per article and kind", {}, Key::Artikel, {"A1%9/10", "A100/10", "A100/38", "B'20/20"}},
        {"by turnover", {}, Key::Umsatz, {"B'20/20", "A100/10", "A100/38", "A1%9/10"}},
        {"by pieces", {}, Key::Menge, {"A1%9/10", "A100/10", "A100/38", "B'20/20"}},
        {"by stars", {}, Key::Sterne, {"B'20/20", "A100/10", "A100/38", "A1%9/10"}},
        {"percent is taken literally", {"A1%", "", "", ""}, Key::Artikel, {"A1%9/10"}},
        {"quote is taken literally", {"B'", "", "", ""}, Key::Artikel, {"B'20/20"}},
        {"kind", {"", "38", "", ""}, Key::Artikel, {"A100/38"}},
        {"weeks", {"A", "", "200302", "200312"}, Key::Artikel, {"A1%9/10", "A100/38"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(list(c.conditions, c.sort), c.expected);
    }
}

TEST_F(BestSellerFixture, SumsOfOneArticleAndKind)
{
    const auto rows =
        TStatistikDataModul(db()).ArtikelSumQuery({"A100", "10", "", ""}, BestSellerSort::Key::Artikel);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_DOUBLE_EQ(rows[0].Stueck, 5);
    EXPECT_DOUBLE_EQ(rows[0].Sterne, 2);
    EXPECT_DOUBLE_EQ(rows[0].EINZ_PREIS, 9);
    EXPECT_DOUBLE_EQ(rows[0].SUMME, 47);
    EXPECT_DOUBLE_EQ(rows[0].KOSTEN, 23.5);
}

TEST_F(BestSellerFixture, EmptyPricesAreNoLowestPriceAndTheTextIsTheGreatestInGermanOrder)
{
    const auto add = [&](const char* lNr, const char* va, const QVariant& price, const QString& text) {
        db().insert(Schema::get(QStringLiteral("Tupper1")),
                    {{QStringLiteral("R_NR"), QStringLiteral("0002")},
                     {QStringLiteral("P_NR"), QStringLiteral("02")},
                     {QStringLiteral("L_NR"), QString::fromLatin1(lNr)},
                     {QStringLiteral("VA"), QString::fromLatin1(va)},
                     {QStringLiteral("MWoche"), QStringLiteral("200401")},
                     {QStringLiteral("STUECK"), 1},
                     {QStringLiteral("EINZ_PREIS"), price},
                     {QStringLiteral("L_TEXT"), text}});
    };
    add("C7", "10", QVariant(), QStringLiteral("Zange"));
    add("C7", "10", 4.5, QStringLiteral("Ärmelschoner"));
    add("C7", "10", QVariant(), QString());
    // Number and kind are told apart as a pair, not as one run of characters.
    add("C71", "0", 2.0, QStringLiteral("Becher"));
    const auto rows =
        TStatistikDataModul(db()).ArtikelSumQuery({"C", "", "", ""}, BestSellerSort::Key::Artikel);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].L_NR + QLatin1Char('/') + rows[0].VA, QStringLiteral("C7/10"));
    EXPECT_EQ(rows[1].L_NR + QLatin1Char('/') + rows[1].VA, QStringLiteral("C71/0"));
    EXPECT_DOUBLE_EQ(rows[0].Stueck, 3);
    EXPECT_DOUBLE_EQ(rows[0].EINZ_PREIS, 4.5) << "lines without a price have none to be the lowest";
    EXPECT_EQ(rows[0].L_TEXT, QStringLiteral("Zange")) << "Ä sorts with A, before Z";
}

// Thousands of articles, each line of one article and kind far from the other: every pair keeps
// its own sums however large the tally grows.
TEST_F(BestSellerFixture, ThousandsOfArticlesKeepTheirOwnSums)
{
    constexpr int kArticles = 3000;
    {
        Transaction tx(db());
        for (int round = 0; round < 2; ++round)
            for (int a = 0; a < kArticles; ++a)
                for (const char* va : {"10", "20"})
                    line(QStringLiteral("X%1").arg(a).toLatin1().constData(), va, "200401", a % 7 + 1, 1, 0);
        tx.commit();
    }
    const auto rows =
        TStatistikDataModul(db()).ArtikelSumQuery({"X", "", "", ""}, BestSellerSort::Key::Artikel);
    ASSERT_EQ(rows.size(), static_cast<size_t>(2 * kArticles));
    for (const BestSeller& row : rows) {
        const int a = row.L_NR.mid(1).toInt();
        EXPECT_DOUBLE_EQ(row.Stueck, 2 * (a % 7 + 1))
            << row.L_NR.toStdString() << '/' << row.VA.toStdString();
    }
}

TEST_F(BestSellerFixture, ArticleViewStaysSortedByArticleWithAnEndWeek)
{
    CustomerBuilder(QStringLiteral("200001")).insertInto(db());
    db().insert(Schema::get(QStringLiteral("Tupper")), {{QStringLiteral("R_NR"), QStringLiteral("0001")},
                                                        {QStringLiteral("P_NR"), QStringLiteral("02")},
                                                        {QStringLiteral("K_NR"), QStringLiteral("200001")}});
    QStringList order;
    for (const auto& sale : TStatistikDataModul(db()).ArtikelQuery({"", "", "", "200316"}))
        order << sale.lNr;
    EXPECT_EQ(order, (QStringList{"", "A1%9", "A100", "A100", "B'20"}));
}

} // namespace

} // namespace korbelant::test
