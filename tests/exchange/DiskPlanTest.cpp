#include "exchange/DiskPlan.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

QStringList partWeeks(int first, int last)
{
    QStringList result;
    for (int k = first; k <= last; ++k)
        result << QString::number(k);
    return result;
}

QStringList ranges(const std::vector<WeekRange>& disks)
{
    QStringList result;
    for (const WeekRange& disk : disks)
        result << disk.start + QStringLiteral("..") + disk.end;
    return result;
}

} // namespace

TEST(DiskPlanTest, NinePartiesToADisk)
{
    const std::vector<std::pair<int, QStringList>> cases{
        {1, {"1..1"}},
        {9, {"1..9"}},
        {10, {"1..9", "10..10"}},
        {18, {"1..9", "10..18"}},
        {27, {"1..9", "10..18", "19..27"}},
        {36, {"1..9", "10..18", "19..27", "28..36"}},
    };
    for (const auto& [parties, expected] : cases) {
        const WeekRange range{QStringLiteral("200649"), QStringLiteral("1"), QString::number(parties)};
        EXPECT_EQ(ranges(DiskPlan::disks(range, partWeeks(1, parties))), expected) << parties;
    }
}

TEST(DiskPlanTest, DisksNeverGoBeyondTheMarkedRange)
{
    // Twelve part-weeks marked of twenty.
    const WeekRange range{QStringLiteral("200649"), QStringLiteral("1"), QStringLiteral("12")};
    EXPECT_EQ(ranges(DiskPlan::disks(range, partWeeks(1, 12))), (QStringList{"1..9", "10..12"}));
    const WeekRange later{QStringLiteral("200649"), QStringLiteral("5"), QStringLiteral("20")};
    EXPECT_EQ(ranges(DiskPlan::disks(later, partWeeks(5, 20))), (QStringList{"5..13", "14..20"}));
}

TEST(DiskPlanTest, PartWeekWithSeveralPartiesStaysOnOneDisk)
{
    // Parties 9 and 10 share part-week 9: the first disk takes both, the second starts after.
    QStringList weeks = partWeeks(1, 9);
    weeks << QStringLiteral("9") << QStringLiteral("10") << QStringLiteral("11");
    const WeekRange range{QStringLiteral("200649"), QStringLiteral("1"), QStringLiteral("11")};
    EXPECT_EQ(ranges(DiskPlan::disks(range, weeks)), (QStringList{"1..9", "10..11"}));
    EXPECT_EQ(ranges(DiskPlan::disks(range, {})), QStringList{"1..11"});
}

} // namespace korbelant::test
