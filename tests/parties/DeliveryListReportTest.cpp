#include "parties/DeliveryListReport.h"
#include "reports/ReportDataMissing.h"
#include "reports/ReportRegistry.h"
#include "support/PartyListFixture.h"

namespace korbelant::test {

namespace {

const QString kPerGuest = QStringLiteral("auslieferung-gast");
const QString kSheets = QStringLiteral("einzelblaetter");
const QString kHostList = QStringLiteral("gastgeberliste");

// Every line of the pages that has an item with exactly this text, top to bottom.
std::vector<QStringList> linesWith(const std::vector<ReportPage>& pages, const QString& text)
{
    std::vector<QStringList> lines;
    for (const ReportPage& page : pages) {
        for (const ReportItem& item : page.items) {
            if (item.kind == ReportItem::Kind::Text && item.text == text)
                lines.push_back(page.lineOf(item));
        }
    }
    return lines;
}

} // namespace

class DeliveryLists : public PartyListFixture
{
protected:
    void SetUp() override
    {
        options().setChecked(QStringLiteral("Auslief"), false);
        berta = guest(QStringLiteral("100011"), QStringLiteral("Schmidt"), QStringLiteral("Berta"));
    }

    QString berta;
};

// The list per guest: a group per participant in guest-number order with her lines in article
// order and a subtotal, the total at the end; lines of the kinds 96 and 97 are not delivered.
TEST_F(DeliveryLists, PerGuestListGroupsTheLinesOfEachGuest)
{
    line(berta, {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 12.5, .L_TEXT = "Kochtopf Berta"});
    line("01", {.L_NR = "2002", .STUECK = 1, .EINZ_PREIS = 30, .STERNE = 3, .L_TEXT = "Schüssel"});
    line("01", {.L_NR = "1001", .STUECK = 2, .EINZ_PREIS = 12.5, .L_TEXT = "Kochtopf"});
    line(berta, {.L_NR = "3003", .VA = "96", .L_TEXT = "Wunschtopf"});
    line(berta, {.L_NR = "", .VA = "97", .STUECK = 0, .EINZ_PREIS = 0, .L_TEXT = "Notiz Farbe"});

    const auto pages = this->pages(kPerGuest);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList texts = pages[0].texts();
    for (const char* text : {"GASTGEBERIN-LISTE (Unterteilt nach Einzelpositionen pro Gast)", "Frau",
                             "Anna Müller", "Lindenweg 3", "12345 Neustadt", "Tel. 0123-4567", "Beraterin",
                             "VA-Nr.", "Diese Liste gilt nicht als Rechnung oder Garantiebescheinigung."})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(texts.contains(QStringLiteral("Listen-NR. ..: ") + rNr));

    const qsizetype host = texts.indexOf(QStringLiteral("Gast-Nr. 01   Müller, Anna"));
    const qsizetype second = texts.indexOf(QStringLiteral("Gast-Nr. 02   Schmidt, Berta"));
    ASSERT_GE(host, 0);
    ASSERT_GT(second, host);
    EXPECT_LT(texts.indexOf(QStringLiteral("Kochtopf")), texts.indexOf(QStringLiteral("Schüssel")));
    EXPECT_GT(texts.indexOf(QStringLiteral("Kochtopf Berta")), second);

    // Stars of 0 are blank; the status column stays empty for ordinary lines.
    EXPECT_EQ(lineWith(pages, QStringLiteral("Kochtopf")),
              (QStringList{"2", "1001", "10", "Kochtopf", "12,50", "25,00"}));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Schüssel")),
              (QStringList{"1", "2002", "10", "Schüssel", "30,00", "30,00", "3"}));
    EXPECT_EQ(texts.count(QStringLiteral("***Zwischensumme***")), 2);
    EXPECT_EQ(lineWith(pages, QStringLiteral("3 Stück")), (QStringList{"3 Stück", "55,00"}));
    EXPECT_EQ(lineWith(pages, QStringLiteral("1 Stück")), (QStringList{"1 Stück", "12,50"}));
    EXPECT_TRUE(texts.contains(QStringLiteral("Endsumme : ")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("4 Stück")), (QStringList{"4 Stück", "67,50"}));
}

TEST_F(DeliveryLists, KindsNinetySixAndNinetySevenAreOnNoDeliveryList)
{
    line(berta, {.L_NR = "1001", .L_TEXT = "Kochtopf"});
    line(berta, {.L_NR = "3003", .VA = "96", .L_TEXT = "Wunschtopf"});
    line("01", {.L_NR = "", .VA = "97", .STUECK = 0, .EINZ_PREIS = 0, .L_TEXT = "Notiz Farbe"});
    for (const QString& report : {kPerGuest, kSheets, kHostList}) {
        SCOPED_TRACE(report.toStdString());
        const auto pages = this->pages(report);
        EXPECT_TRUE(anyPageHas(pages, QStringLiteral("Kochtopf")));
        EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Wunschtopf")));
        EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Notiz Farbe")));
        // The host has only a note, so she gets no sheet of her own.
        if (report == kSheets) {
            EXPECT_EQ(pages.size(), 1u);
        }
    }
}

// The state of a line: a delivery state overrides the advance mark, on every delivery list.
TEST_F(DeliveryLists, StatusOfTheLine)
{
    struct Case
    {
        const char* vorab;
        const char* nachlief;
        const char* status; // nullptr: no status printed
    };
    const std::vector<Case> cases{
        {"", "", nullptr},           {"V", "", "Vorablieferung"},
        {"V", "J", "Nachlieferung"}, {"V", "V", "nicht lieferbar"},
        {"", "J", "Nachlieferung"},  {"", "V", "nicht lieferbar"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        line(berta, {.L_NR = QStringLiteral("10%1").arg(i),
                     .VORAB = cases[i].vorab,
                     .NACHLIEF = cases[i].nachlief,
                     .L_TEXT = QStringLiteral("Fall %1").arg(i)});
    for (const QString& report : {kPerGuest, kSheets}) {
        const auto pages = this->pages(report);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(report.toStdString() + " case " + std::to_string(i));
            const QStringList row = lineWith(pages, QStringLiteral("Fall %1").arg(i));
            ASSERT_FALSE(row.isEmpty());
            EXPECT_EQ(row.last(),
                      cases[i].status ? QString::fromUtf8(cases[i].status) : QStringLiteral("10,00"));
        }
    }
}

// The list of the whole party prints an article once per kind, advance mark and delivery state,
// with the pieces and amounts of every guest summed and the kind's information text.
TEST_F(DeliveryLists, HostListSumsEachArticlePerKindAndState)
{
    line("01", {.L_NR = "1001", .STUECK = 2, .EINZ_PREIS = 12.5});
    line(berta, {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 12.5});
    line(berta, {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 12.5, .VORAB = "V"});
    line("01", {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 12.5, .NACHLIEF = "J"});
    line(berta, {.L_NR = "1001", .VA = "32", .STUECK = 1, .EINZ_PREIS = 12.5});
    line(berta, {.L_NR = "0500", .STUECK = 4, .EINZ_PREIS = 2.5});
    line(berta, {.L_NR = "1001", .VA = "96", .STUECK = 5, .EINZ_PREIS = 12.5});

    const auto pages = this->pages(kHostList);
    EXPECT_TRUE(
        anyPageHas(pages, QStringLiteral("GASTGEBERIN-LISTE (Auflistung der kompletten Vorführung)")));
    EXPECT_EQ(linesWith(pages, QStringLiteral("0500")),
              (std::vector<QStringList>{{"4", "0500", "Artikel 0500", "2,50", "Verkauf", "10,00"}}));
    const std::vector<QStringList> expected{
        {"3", "1001", "Artikel 1001", "12,50", "Verkauf", "37,50"},
        {"1", "1001", "Artikel 1001", "12,50", "Verkauf", "Nachlieferung", "12,50"},
        {"1", "1001", "Artikel 1001", "12,50", "Verkauf", "Vorablieferung", "12,50"},
        {"1", "1001", "Artikel 1001", "12,50", "DBA", "12,50"},
    };
    std::vector<QStringList> rows = linesWith(pages, QStringLiteral("1001"));
    std::sort(rows.begin(), rows.end());
    std::vector<QStringList> sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ(rows, sortedExpected);
    EXPECT_EQ(lineWith(pages, QStringLiteral("10 Stück")), (QStringList{"10 Stück", "85,00"}));
}

// Without the second currency the amounts of 0 are printed, stars of 0 are not; the footer
// lines are the consultant's own texts.
TEST_F(DeliveryLists, PlainListsPrintZeroAmountsButNoZeroStars)
{
    options().setText(QStringLiteral("AuslZeile1"), QStringLiteral("Meine erste Zeile"));
    line(berta, {.L_NR = "2003", .EINZ_PREIS = 0, .L_TEXT = "Gratis"});
    const auto pages = this->pages(kPerGuest);
    EXPECT_EQ(lineWith(pages, QStringLiteral("Gratis")),
              (QStringList{"1", "2003", "10", "Gratis", "0,00", "0,00"}));
    EXPECT_TRUE(anyPageHas(pages, QStringLiteral("Meine erste Zeile")));
    EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Summe(€)")));
}

// The second currency: a column of converted amounts headed by the other currency, the symbols
// beside the totals, amounts of 0 blank, and the fixed footer lines.
TEST_F(DeliveryLists, SecondCurrencyColumn)
{
    struct Case
    {
        QString report;
        bool euroDataSet;
        QString converted;
        QString head;
        QStringList totals;
    };
    const std::vector<Case> cases{
        {kPerGuest, false, "51,13", "Summe(€)", {"101 Stück", "100,00 DM", "51,13 €"}},
        {kSheets, false, "51,13", "Summe(€)", {"1 Stück", "100,00 DM", "51,13 €"}},
        {kHostList, false, "51,13", "Summe(€)", {"101 Stück", "100,00 DM", "51,13 €"}},
        {kPerGuest, true, "195,58", "Summe(DM)", {"101 Stück", "100,00 €", "195,58 DM"}},
        {kHostList, true, "195,58", "Summe(DM)", {"101 Stück", "100,00 €", "195,58 DM"}},
    };
    options().setChecked(QStringLiteral("Auslief"), true);
    options().setText(QStringLiteral("AuslZeile1"), QStringLiteral("Meine erste Zeile"));
    line("01", {.L_NR = "1001", .STUECK = 1, .EINZ_PREIS = 100, .L_TEXT = "Topfset"});
    line(berta, {.L_NR = "2003", .STUECK = 100, .EINZ_PREIS = 0, .L_TEXT = "Gratis"});
    for (const Case& c : cases) {
        SCOPED_TRACE((c.report + (c.euroDataSet ? " Euro" : " DM")).toStdString());
        options().setChecked(QStringLiteral("Euro"), c.euroDataSet);
        const auto pages = this->pages(c.report);
        const QStringList row = lineWith(pages, QStringLiteral("Topfset"));
        ASSERT_FALSE(row.isEmpty());
        EXPECT_EQ(row.count(QStringLiteral("100,00")), 2); // price and amount
        EXPECT_EQ(row.last(), c.converted);
        EXPECT_TRUE(anyPageHas(pages, c.head));
        EXPECT_EQ(lineWith(pages, c.totals.front()), c.totals);
        if (c.report != kHostList) {
            EXPECT_TRUE(anyPageHas(pages, QStringLiteral("VA")));
        }
        // The free article: no price, amount or converted amount.
        const QStringList gratis = lineWith(pages, QStringLiteral("Gratis"));
        ASSERT_FALSE(gratis.isEmpty());
        EXPECT_FALSE(gratis.contains(QStringLiteral("0,00"))) << gratis.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Meine erste Zeile")));
        EXPECT_TRUE(anyPageHas(
            pages, QStringLiteral("Geben Sie dafür die original Preisliste von Tupperware ® mit.")));
    }
}

// One sheet per guest with lines, each with the guest's own address on every page it takes;
// with a guest number only that guest's sheet, even without lines.
TEST_F(DeliveryLists, SheetsPerGuest)
{
    const QString clara = guest(QStringLiteral("100012"), QStringLiteral("Weber"), QStringLiteral("Clara"));
    for (int i = 0; i < 70; ++i)
        line("01",
             {.L_NR = QStringLiteral("%1").arg(1000 + i), .L_TEXT = QStringLiteral("Posten %1").arg(i)});
    line(berta, {.L_NR = "1001", .STUECK = 2, .EINZ_PREIS = 5});

    const auto all = pages(kSheets);
    ASSERT_GE(all.size(), 3u);
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        EXPECT_TRUE(all[i].hasText(QStringLiteral("EINZELGASTBESTELLUNG")));
        EXPECT_TRUE(all[i].hasText(QStringLiteral("Gast-Nr. 01")));
        EXPECT_TRUE(all[i].hasText(QStringLiteral("Anna Müller")));
        EXPECT_TRUE(all[i].hasText(QStringLiteral("Artikel")));
    }
    const ReportPage& last = all.back();
    for (const char* text : {"Gast-Nr. 02", "Berta Schmidt", "Schmidtweg 1", "10011 Altdorf", "***Summe***"})
        EXPECT_TRUE(last.hasText(QString::fromUtf8(text))) << text;
    EXPECT_EQ(lineWith({last}, QStringLiteral("2 Stück")), (QStringList{"2 Stück", "10,00"}));
    EXPECT_FALSE(anyPageHas(all, QStringLiteral("Gast-Nr. ") + clara));

    const auto one = pages(kSheets, {rNr, berta});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_TRUE(one[0].hasText(QStringLiteral("Berta Schmidt")));
    EXPECT_FALSE(one[0].hasText(QStringLiteral("Anna Müller")));

    const auto empty = pages(kSheets, {rNr, clara});
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_TRUE(empty[0].hasText(QStringLiteral("Gast-Nr. ") + clara));
    EXPECT_EQ(lineWith(empty, QStringLiteral("0 Stück")), (QStringList{"0 Stück", "0,00"}));

    EXPECT_THROW(build(kSheets, {rNr, QStringLiteral("77")}), ReportDataMissing);
}

// A party without lines still gets its lists with the frame and totals of 0.
TEST_F(DeliveryLists, PartyWithoutLines)
{
    for (const QString& report : {kPerGuest, kHostList}) {
        SCOPED_TRACE(report.toStdString());
        const auto pages = this->pages(report);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(pages[0].hasText(QStringLiteral("Anna Müller")));
        EXPECT_EQ(lineWith(pages, QStringLiteral("0 Stück")), (QStringList{"0 Stück", "0,00"}));
    }
}

// Every list of a party takes the party number as a value: a number that is no party, however
// it is written, finds nothing and changes nothing; missing or surplus arguments are refused.
TEST_F(DeliveryLists, PartyNumberIsAValueNeverSql)
{
    const int parties = db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toInt();
    for (const char* name : {"auslieferung-gast", "einzelblaetter", "gastgeberliste", "tupperboerse",
                             "gaeste-bezahlt", "gaesteliste", "zusatzsterne"}) {
        const QString report = QString::fromLatin1(name);
        SCOPED_TRACE(name);
        ASSERT_NE(ReportRegistry::standard().find(report), nullptr);
        EXPECT_EQ(ReportRegistry::standard().find(report)->arguments,
                  report == kSheets ? QStringLiteral("R_NR [P_NR]") : QStringLiteral("R_NR"));
        for (const QString& bad : {QStringLiteral("x' OR '1'='1"), QStringLiteral("%"),
                                   rNr + QStringLiteral("'; DELETE FROM Tuppkopf; --")})
            EXPECT_THROW(build(report, {bad}), ReportDataMissing) << bad.toStdString();
        EXPECT_THROW(build(report, {}), ReportError);
        EXPECT_THROW(build(report, {rNr, QStringLiteral("01"), QStringLiteral("02")}), ReportError);
        EXPECT_NO_THROW(build(report, {rNr}));
    }
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toInt(), parties);
}

} // namespace korbelant::test
