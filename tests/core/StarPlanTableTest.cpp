#include "core/StarPlanTable.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

class StarPlanTableTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<Database> db = home.openDb();
    StarPlanTable plan{*db};

    void SetUp() override
    {
        db->run(QStringLiteral("DELETE FROM SternePlan"));
        db->run(QStringLiteral("INSERT INTO SternePlan VALUES (0, 299.99, 0, 1, 2, 100, 1)"));
        db->run(QStringLiteral(
            "INSERT INTO SternePlan (SterneBetragMin, SterneBetragMax, Sterne) VALUES (300, 499.99, 1)"));
        db->run(QStringLiteral(
            "INSERT INTO SternePlan (SterneBetragMin, SterneBetragMax, Sterne) VALUES (500, 99999, 2)"));
    }
};

TEST_F(StarPlanTableTest, SinglesComeFromTheFirstRecord)
{
    const auto singles = plan.singles();
    EXPECT_EQ(singles.oneAppointment, QStringLiteral("1"));
    EXPECT_EQ(singles.twoAppointments, QStringLiteral("2"));
    EXPECT_EQ(singles.intervalAmount, QStringLiteral("100"));
    EXPECT_EQ(singles.intervalStars, QStringLiteral("1"));
}

TEST_F(StarPlanTableTest, WritesSinglesIntoFirstRecordOnly)
{
    ASSERT_TRUE(plan.writeSingles(
        {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("150,50"), QStringLiteral("kein")}));
    const auto rows = db->rows(QStringLiteral(
        "SELECT Verabredung1, Verabredung2, SchrittBetrag, SchrittSterne FROM SternePlan ORDER BY rowid"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0].toInt(), 3);
    EXPECT_EQ(rows[0][1].toInt(), 4);
    EXPECT_DOUBLE_EQ(rows[0][2].toDouble(), 150.5);
    EXPECT_TRUE(rows[0][3].isNull()); // not a number: stored empty
    EXPECT_TRUE(rows[1][0].isNull());
}

TEST_F(StarPlanTableTest, SavingBandsKeepsSinglesAndDropsSurplus)
{
    plan.saveBands({{0, 399.99, 0}, {400, 99999, 3}});
    const auto bands = plan.bands();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_DOUBLE_EQ(bands[0].to, 399.99);
    EXPECT_EQ(bands[1].stars, 3);
    EXPECT_EQ(plan.singles().oneAppointment, QStringLiteral("1"));

    plan.saveBands({{0, 1, 0}, {1, 2, 1}, {2, 3, 2}, {3, 4, 3}});
    EXPECT_EQ(plan.bands().size(), 4u);
}

TEST_F(StarPlanTableTest, EmptyTableHasNoSingles)
{
    db->run(QStringLiteral("DELETE FROM SternePlan"));
    EXPECT_TRUE(plan.singles().oneAppointment.isEmpty());
    EXPECT_TRUE(plan.writeSingles({QStringLiteral("1"), {}, {}, {}}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT count(*) FROM SternePlan")).toInt(), 0);
}

} // namespace
} // namespace korbelant
