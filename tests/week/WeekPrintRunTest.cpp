#include "week/WeekPrintRun.h"

#include "core/Options.h"
#include "reports/ReportDocument.h"
#include "support/PartyModuleFixture.h"
#include "week/ExchangeListReport.h"
#include "week/OrderListReport.h"
#include "week/TWocheDataModul.h"
#include "week/WeekPrintSet.h"

namespace korbelant::test {

class WeekPrintRunTest : public PartyModuleFixture
{
protected:
    WeekPrintRunTest()
    {
        makeParty(QDate(2026, 1, 20));
        makeParty(QDate(2026, 1, 21));
    }

    QVariant printWord()
    {
        return db().scalar(QStringLiteral("SELECT DR_20 FROM MWoche WHERE MWoche = '202604'"));
    }

    TWocheDataModul week{db(), options(), ui()};
    WeekPrintSet set{options()};
    QStringList printedTitles;
    QList<int> copies;
    WeekPrintRun::Printer printer = [this](const ReportDocument& document, int n) {
        printedTitles << document.title;
        copies << n;
    };
};

TEST_F(WeekPrintRunTest, PrintsTheSelectedReportsAndKeepsTheStatus)
{
    db().run(QStringLiteral("UPDATE MWoche SET DR_20 = 2 WHERE MWoche = '202604'"));
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    set.setCopies(4, 3);
    const auto result = WeekPrintRun::run(week, set, *m_set, ui(), printer);
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(result.unavailable.isEmpty());
    // The week has no exchanges: the exchange list is not printed, a message says so.
    ASSERT_EQ(result.printed, (QList<int>{1, 2, 4, 5}));
    EXPECT_TRUE(ui().wasShown(ExchangeListReport::kNothing));
    EXPECT_EQ(copies, (QList<int>{1, 1, 3, 1}));
    EXPECT_EQ(printedTitles,
              (QStringList{QStringLiteral("Erfolgsübersicht"), QStringLiteral("Bestelliste"),
                           QStringLiteral("Drucksachenbestellung"), QStringLiteral("Sterne - Übersicht")}));
    // A new week's word 2 ("00002") with reports 1, 2, 4 and 5 printed: "11011".
    EXPECT_EQ(printWord().toInt(), 11011);
    EXPECT_EQ(week.ReportPrintState(4), QStringLiteral("gedruckt"));
    EXPECT_EQ(week.ReportPrintState(3), QStringLiteral("noch nicht gedruckt"));
    EXPECT_EQ(week.marked().start, QStringLiteral("1")) << "an unmarked week prints all its part-weeks";
    EXPECT_EQ(week.marked().end, QStringLiteral("2"));
}

TEST_F(WeekPrintRunTest, TheTwToggleChoosesTheOrderList)
{
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    for (int k = 1; k <= WeekPrintSet::kReports; ++k)
        set.setPrint(k, k == 2);
    for (bool tw : {true, false}) {
        set.setTwToggle(tw);
        EXPECT_EQ(set.reportName(2), tw ? OrderListReport::Name : OrderListReport::WholeName);
        EXPECT_EQ(WeekPrintRun::run(week, set, *m_set, ui(), printer).printed, QList<int>{2});
    }
}

TEST_F(WeekPrintRunTest, ReportsNotSelectedAreLeftOut)
{
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    const int before = printWord().toInt();
    for (int k = 1; k <= WeekPrintSet::kReports; ++k)
        set.setPrint(k, false);
    const auto result = WeekPrintRun::run(week, set, *m_set, ui(), printer);
    EXPECT_TRUE(result.printed.isEmpty());
    EXPECT_TRUE(result.unavailable.isEmpty());
    EXPECT_TRUE(printedTitles.isEmpty());
    EXPECT_EQ(printWord().toInt(), before);
}

} // namespace korbelant::test
