#include "core/StarPlan.h"

#include "core/ErrorLog.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class StarPlanTableTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<Database> db = home.openDb();
    StarPlan plan{*db};

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

TEST_F(StarPlanTableTest, SheetOfTheOptionsWindowIsReadAndWrittenBack)
{
    const ErrorLog log(home.home().errorLogFile());
    const StarPlan::Sheet sheet = plan.readSheet(log);
    ASSERT_EQ(sheet.bands.size(), 3u);
    EXPECT_EQ(sheet.bands[0], (StarPlan::BandCells{"0", "299,99", "0"}));
    EXPECT_EQ(sheet.bands[2], (StarPlan::BandCells{"500", "99999", "2"}));
    ASSERT_TRUE(sheet.singles.has_value());
    EXPECT_EQ(sheet.singles->intervalAmount, QStringLiteral("100"));

    // A blank row is left out, a cell that is not a number counts as 0.
    plan.writeSheet({{"0", "399,99", "0"}, {"", " ", ""}, {" 400 ", "viel", "3"}},
                    {QStringLiteral("5"), {}, QStringLiteral("150"), QStringLiteral("1")}, log);
    const auto bands = plan.bands();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_DOUBLE_EQ(bands[0].to, 399.99);
    EXPECT_DOUBLE_EQ(bands[1].from, 400);
    EXPECT_DOUBLE_EQ(bands[1].to, 0);
    EXPECT_EQ(bands[1].stars, 3);
    EXPECT_EQ(plan.singles().oneAppointment, QStringLiteral("5"));
    EXPECT_TRUE(plan.singles().twoAppointments.isEmpty());
    EXPECT_FALSE(QFile::exists(log.path()));

    db->run(QStringLiteral("DELETE FROM SternePlan"));
    const StarPlan::Sheet empty = plan.readSheet(log);
    EXPECT_TRUE(empty.bands.empty());
    EXPECT_FALSE(empty.singles.has_value()) << "single values come only with bands";
}

TEST_F(StarPlanTableTest, FailuresOfTheSheetAreLogged)
{
    const ErrorLog log(home.home().errorLogFile());
    const auto logged = [&] {
        QFile file(log.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
    };
    db->execScript(QStringLiteral(
        "CREATE TRIGGER Gesperrt BEFORE INSERT ON SternePlan BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    plan.writeSheet({{"0", "1", "0"}, {"1", "2", "1"}, {"2", "3", "2"}, {"3", "4", "3"}},
                    {QStringLiteral("7"), {}, {}, {}}, log);
    EXPECT_EQ(logged(), 1);
    EXPECT_EQ(plan.bands().size(), 3u) << "the bands stay as they were";
    EXPECT_EQ(plan.singles().oneAppointment, QStringLiteral("7"))
        << "the single values are written all the same";

    db->run(QStringLiteral("DROP TABLE SternePlan"));
    const StarPlan::Sheet sheet = plan.readSheet(log);
    EXPECT_TRUE(sheet.bands.empty());
    EXPECT_EQ(logged(), 2);
}

TEST(StarPlanCells, NumbersOnlyAndShownWithDecimalsWhenNeeded)
{
    for (const auto& [text, accepted] :
         {std::pair{"", true}, std::pair{" 12,5 ", true}, std::pair{"300", true}, std::pair{"drei", false},
          std::pair{"12a", false}})
        EXPECT_EQ(StarPlan::acceptsCell(QString::fromUtf8(text)), accepted) << text;
    EXPECT_EQ(StarPlan::cellText(299.99), QStringLiteral("299,99"));
    EXPECT_EQ(StarPlan::cellText(100), QStringLiteral("100"));
    EXPECT_EQ(StarPlan::cellText(0.5), QStringLiteral("0,50"));
}

} // namespace
} // namespace korbelant
