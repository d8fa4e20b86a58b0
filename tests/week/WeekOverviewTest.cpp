#include "week/WeekOverview.h"
#include "core/Database.h"
#include "core/Schema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace korbelant;

TEST(WeekOverview, StartKeyIsLastYearsSameWeek)
{
    const std::vector<std::pair<QDate, QString>> cases{
        {QDate(2003, 1, 29), "200205"},  // week 05 of 2003
        {QDate(2003, 12, 29), "200201"}, // already week 01 of 2004: the calendar year counts
        {QDate(2004, 12, 31), "200400"}, // week 53: this calendar year and "00"
        {QDate(2005, 1, 2), "200500"},   // still week 53 of 2004, but calendar year 2005
    };
    for (const auto& [today, key] : cases)
        EXPECT_EQ(WeekOverview::startKey(today), key) << today.toString(Qt::ISODate).toStdString();
}

TEST(WeekOverview, AxisPositionCountsCalendarWeeksFromTheCurrentWeekAt53)
{
    struct Case
    {
        const char* week;
        const char* current;
        int position;
    };
    const Case cases[] = {
        {"200305", "200305", 53},
        {"200304", "200305", 52},
        {"200252", "200305", 48}, // across the turn of the year: five weeks back, no gap
        {"200206", "200305", 2},  // last year's same week + 1: the oldest week shown
        {"200307", "200305", 55},
        {"200453", "200502", 51}, // 2004 has a week 53
        {"200452", "200502", 50},
        {"200401", "200502", -1},
        {"200301", "200252", 54},
        {"20x305", "200305", WeekOverview::kNoPosition}, // a damaged key stands off the chart
        {"200360", "200305", WeekOverview::kNoPosition},
        {"200305", "", WeekOverview::kNoPosition},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeekOverview::axisPosition(c.week, c.current), c.position) << c.week << " / " << c.current;
}

TEST(WeekOverview, SumsTurnoverPerWeekAfterTheStartKey)
{
    test::TempHome temp;
    auto db = temp.openDb();
    const TableDef& parties = Schema::get("Tuppkopf");
    struct Party
    {
        const char* number;
        const char* week;
        double turnover;
    };
    for (const Party& p :
         {Party{"290103A", "200305", 70}, Party{"220103A", "200304", 100}, Party{"230103B", "200304", 50.25},
          Party{"300102A", "200205", 999}, Party{"060202A", "200206", 10}}) {
        db->insert(parties,
                   {{"R_NR", p.number}, {"MWoche", p.week}, {"TWoche", "1"}, {"S_UMSATZ", p.turnover}});
    }
    // A party without its number does not count.
    db->run("INSERT INTO Tuppkopf (R_NR, MWoche, S_UMSATZ) VALUES ('', '200305', 500)");

    const auto bars = WeekOverview(*db).read("200205", "200305");
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].weekKey, "200206");
    EXPECT_EQ(bars[0].position, 2);
    EXPECT_DOUBLE_EQ(bars[0].turnover, 10);
    EXPECT_EQ(bars[1].weekKey, "200304");
    EXPECT_EQ(bars[1].position, 52);
    EXPECT_DOUBLE_EQ(bars[1].turnover, 150.25);
    EXPECT_EQ(bars[1].parties, 2);
    EXPECT_EQ(bars[2].weekKey, "200305");
    EXPECT_EQ(bars[2].position, 53);
    EXPECT_DOUBLE_EQ(bars[2].turnover, 70);
}
