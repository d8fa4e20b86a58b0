#include "week/WeekOverviewReport.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "support/TestSupport.h"
#include "support/WeekReportParties.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

class WeekOverviewReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = home.openDb();
        test::WeekReportParties::insert(*db);
    }

    QStringList partiesOf(const WeekOverviewReport::Range& range)
    {
        QStringList numbers;
        for (const auto& party : WeekOverviewReport(*db).parties(range))
            numbers << party.R_NR;
        return numbers;
    }

    test::TempHome home;
    std::unique_ptr<Database> db;
};

// The fields of the dialog "Wochen auswählen" and the parties they select, in week-index order.
TEST_F(WeekOverviewReportTest, DialogRangeSelectsWeeksInIndexOrder)
{
    struct Case
    {
        const char* von;
        const char* bis;
        QStringList expected;
    };
    const QStringList all{"261225A", "050126A", "070126A", "140126A", "030226A"};
    const std::vector<Case> cases{
        {"", "", all},
        {"  ", " ", all},
        {"202601", "", all.mid(1)},
        {"202601", "2026", all.mid(1)}, // a "bis" shorter than six characters has no upper limit
        {"202601", "202602", all.mid(1, 3)},
        {"", "202601", all.mid(0, 3)},
        {"202605", "202605", {"030226A"}},
        {"202603", "202604", {}},
        {"202605", "202601", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("von \"%1\" bis \"%2\"").arg(c.von, c.bis).toStdString());
        EXPECT_EQ(partiesOf(WeekOverviewReport::rangeFromDialog(c.von, c.bis)), c.expected);
    }
}

TEST_F(WeekOverviewReportTest, HostNameFromCustomerTable)
{
    const auto parties =
        WeekOverviewReport(*db).parties({QStringLiteral("202601"), QStringLiteral("202601")});
    ASSERT_EQ(parties.size(), 2u);
    EXPECT_EQ(parties[0].hostName, QStringLiteral("Müller, Anna"));
    EXPECT_EQ(parties[1].hostName, QString()); // customer number without a record
    EXPECT_EQ(parties[1].K_NR, QStringLiteral("123456"));
}

// Laid out: one group per week with its party lines and "Teilsumme", "Summe komplett" at the end.
TEST_F(WeekOverviewReportTest, WeekGroupsWithPartialAndTotalSums)
{
    const auto doc = WeekOverviewReport::document(WeekOverviewReport(*db).parties({}));
    EXPECT_EQ(doc.title, QStringLiteral("Wochenübersicht"));
    EXPECT_EQ(doc.orientation, ReportDocument::Orientation::Landscape);
    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList texts = pages[0].texts();

    const QStringList weeks{" Woche 202552", " Woche 202601", " Woche 202602", " Woche 202605"};
    qsizetype last = -1;
    for (const QString& week : weeks) {
        const qsizetype at = texts.indexOf(week);
        ASSERT_GT(at, last) << week.toStdString();
        last = at;
    }
    EXPECT_EQ(texts.count(QStringLiteral("Teilsumme")), 4);

    // The footer of week 202601 follows its two parties and sums every numeric column.
    std::vector<QStringList> footers;
    for (const ReportItem& item : pages[0].items) {
        if (item.text == QStringLiteral("Teilsumme"))
            footers.push_back(pages[0].lineOf(item));
    }
    ASSERT_EQ(footers.size(), 4u);
    EXPECT_EQ(footers[1], (QStringList{"Teilsumme", "5", "20", "65", "32,50", "1.600,75", "160,00",
                                       "1.480,50", "1.350,00"}));
    EXPECT_EQ(footers[3],
              (QStringList{"Teilsumme", "1", "4", "5", "0,00", "50,00", "5,00", "45,00", "40,00"}));

    const ReportItem* total = pages[0].findText(QStringLiteral("Summe komplett"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(pages[0].lineOf(*total), (QStringList{"Summe komplett", "5 Vorf.", "7", "35", "95", "42,50",
                                                    "2.050,75", "205,00", "1.905,50", "1.750,00"}));

    const ReportItem* party = pages[0].findText(QStringLiteral("050126A"));
    ASSERT_NE(party, nullptr);
    EXPECT_EQ(pages[0].lineOf(*party), (QStringList{"050126A", "100010", "Müller, Anna", "2", "8", "25",
                                                    "12,50", "400,50", "40,00", "380,50", "350,00"}));
}

TEST_F(WeekOverviewReportTest, EmptyRangeStillPrintsHeadsAndZeroTotal)
{
    const auto doc = WeekOverviewReport::document(WeekOverviewReport(*db).parties({"202610", "202620"}));
    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Vorf.-Nr.")));
    EXPECT_FALSE(pages[0].hasText(QStringLiteral("Teilsumme")));
    const ReportItem* total = pages[0].findText(QStringLiteral("Summe komplett"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(pages[0].lineOf(*total), (QStringList{"Summe komplett", "0 Vorf.", "0", "0", "0", "0,00",
                                                    "0,00", "0,00", "0,00", "0,00"}));
}

// Built for a data set: the page header carries the consultant's account and address, the frame
// the version record; "Berater" replaces "Beraterin" when the option asks for it.
TEST_F(WeekOverviewReportTest, BuiltWithConsultantHeader)
{
    db->run(QStringLiteral(
        "UPDATE Kunden SET VORNAME = 'Ute', NAME = 'Brandt', STRASSE = 'Lindenweg 3', PLZ = '12345', "
        "ORT = 'Neustadt' WHERE K_NR = '100001'"));
    auto set = DataSet::open(home.home());
    set->options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
    set->options().setText(QStringLiteral("Gruppen_NR"), QStringLiteral("08"));
    for (const bool male : {false, true}) {
        set->options().setChecked(QStringLiteral("Berater"), male);
        const auto doc = WeekOverviewReport::build(*set, {QStringLiteral("202601"), QStringLiteral("-")});
        const auto pages = ReportLayout::layout(doc);
        ASSERT_EQ(pages.size(), 1u);
        for (const char* text :
             {"Berat.-Konto/Gr. Nr. : 4711/08", "Ute Brandt", "Lindenweg 3", "12345 Neustadt"})
            EXPECT_TRUE(pages[0].hasText(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(pages[0].hasText(male ? QStringLiteral("Berater") : QStringLiteral("Beraterin")));
        EXPECT_FALSE(pages[0].hasText(QStringLiteral(" Woche 202552")));
        EXPECT_TRUE(pages[0].hasText(QStringLiteral(" Woche 202605")));
    }
}

// Week arguments of the command line: week keys, dates of a week, "-" for no limit.
TEST(WeekOverviewArguments, WeekKeysDatesAndErrors)
{
    EXPECT_EQ(WeekOverviewReport::weekArgument(QStringLiteral("202605")), QStringLiteral("202605"));
    EXPECT_EQ(WeekOverviewReport::weekArgument(QStringLiteral("05.02.2026")), QStringLiteral("202606"));
    EXPECT_EQ(WeekOverviewReport::weekArgument(QStringLiteral("01.01.2027")), QStringLiteral("202653"));
    EXPECT_EQ(WeekOverviewReport::weekArgument(QStringLiteral("-")), QString());
    EXPECT_EQ(WeekOverviewReport::weekArgument(QString()), QString());
    for (const char* bad :
         {"2026", "202654", "202600", "2026051", "31.02.2026", "abc", "'; DROP TABLE Tuppkopf; --"})
        EXPECT_THROW(WeekOverviewReport::weekArgument(QString::fromUtf8(bad)), ReportError) << bad;
}

} // namespace
} // namespace korbelant
