#include "support/QtPrinters.h"
#include "week/WeekMarking.h"
#include "week/WeekPrintState.h"
#include "week/WeekRecordSpin.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

const QStringList kFour{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};

TEST(WeekMarkingTest, ClicksExtendShrinkAndUnmark)
{
    struct Step
    {
        const char* clicked;
        const char* marked;
    };
    // One sequence of double-clicks on part-weeks 1..4, from nothing marked.
    const std::vector<Step> steps{{"2", "2..2"}, {"4", "2..4"}, {"1", "1..4"}, {"4", "1..3"}, {"1", "2..3"},
                                  {"3", "2..2"}, {"2", "-"},    {"3", "3..3"}, {"1", "1..3"}, {"2", "1..3"}};
    WeekMarking::Range range;
    for (const Step& step : steps) {
        range = WeekMarking::click(range, kFour, QString::fromLatin1(step.clicked));
        EXPECT_EQ(WeekMarking::text(range), QString::fromLatin1(step.marked)) << "click on " << step.clicked;
    }
}

TEST(WeekMarkingTest, ContainsOnlyTheMarkedRowsAndLettersFollowDigits)
{
    const QStringList keys{QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("A"),
                           QStringLiteral("B")};
    WeekMarking::Range range = WeekMarking::click({}, keys, QStringLiteral("9"));
    range = WeekMarking::click(range, keys, QStringLiteral("A"));
    EXPECT_EQ(WeekMarking::text(range), QStringLiteral("9..A"));
    EXPECT_FALSE(range.contains(QStringLiteral("8")));
    EXPECT_TRUE(range.contains(QStringLiteral("9")));
    EXPECT_TRUE(range.contains(QStringLiteral("a")));
    EXPECT_FALSE(range.contains(QStringLiteral("B")));
    EXPECT_FALSE(WeekMarking::Range{}.contains(QString()));
}

TEST(WeekPrintStateTest, StatesAndMarkingByWord)
{
    const QString printed = WeekPrintState::kPrinted;
    const QString notYet = WeekPrintState::kNotPrinted;
    const QString unknown = WeekPrintState::kUnknown;
    struct Case
    {
        QVariant word;
        int printedReport; // 0: nothing printed
        QVariant stored;   // the word after printing
        QStringList states;
    };
    const std::vector<Case> cases{
        {2, 0, {}, {notYet, notYet, notYet, notYet, notYet}},
        {2, 3, 100, {notYet, notYet, printed, notYet, notYet}},
        {0, 0, {}, {unknown, unknown, unknown, unknown, unknown}},
        {0, 1, 10000, {printed, notYet, notYet, notYet, notYet}},
        {QVariant(), 5, 1, {notYet, notYet, notYet, notYet, printed}},
        {-4, 0, {}, {unknown, unknown, unknown, unknown, unknown}},
        {10100, 2, 11100, {printed, printed, printed, notYet, notYet}},
        {11112, 5, 11111, {printed, printed, printed, printed, printed}},
        {QStringLiteral("x"), 1, {}, {unknown, unknown, unknown, unknown, unknown}},
    };
    for (const Case& c : cases) {
        QVariant word = c.word;
        if (c.printedReport > 0) {
            const auto next = WeekPrintState::MarkReportPrinted(word, c.printedReport);
            EXPECT_EQ(next.has_value(), c.stored.isValid()) << c.word.toString().toStdString();
            if (next) {
                EXPECT_EQ(*next, c.stored.toInt()) << c.word.toString().toStdString();
            }
            word = next ? QVariant(*next) : word;
        }
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(WeekPrintState::ReportPrintState(word, k), c.states.at(k - 1))
                << c.word.toString().toStdString() << " report " << k;
    }
}

TEST(WeekPrintStateTest, StatusPictureOfThePartWeekRows)
{
    EXPECT_EQ(WeekPrintState::picture(2), WeekPrintState::Picture::PrintPart);
    EXPECT_EQ(WeekPrintState::picture(11001), WeekPrintState::Picture::PrintFull);
    EXPECT_EQ(WeekPrintState::picture(11111), WeekPrintState::Picture::PrintFull);
    EXPECT_EQ(WeekPrintState::picture(11000), WeekPrintState::Picture::PrintG);
    EXPECT_EQ(WeekPrintState::picture(0), WeekPrintState::Picture::PrintG);
}

TEST(WeekRecordSpinTest, WeekFieldsAndRequestItems)
{
    EXPECT_EQ(WeekRecordSpin::up(QVariant()), QVariant(1));
    EXPECT_EQ(WeekRecordSpin::up(4), QVariant(5));
    EXPECT_TRUE(WeekRecordSpin::down(QVariant()).isNull());
    EXPECT_EQ(WeekRecordSpin::down(0), QVariant(0));
    EXPECT_EQ(WeekRecordSpin::down(-3), QVariant(0));
    EXPECT_EQ(WeekRecordSpin::down(3), QVariant(2));
    for (const char* name : {"VORFUEHR_1", "VORFUEHR_6", "REK_BESUCH", "DR_1", "DR_19", "dr_7"})
        EXPECT_TRUE(WeekRecordSpin::spinnable(QString::fromLatin1(name))) << name;
    for (const char* name : {"VORFUEHR_7", "DR_20", "DR_0", "FKM1", "MWoche"})
        EXPECT_FALSE(WeekRecordSpin::spinnable(QString::fromLatin1(name))) << name;

    const QString code = QStringLiteral("K1");
    EXPECT_EQ(WeekRecordSpin::requestUp(code, 250, 0), 251); // Max 0: no upper limit
    EXPECT_EQ(WeekRecordSpin::requestUp(code, 2, 3), 3);
    EXPECT_EQ(WeekRecordSpin::requestUp(code, 3, 3), std::nullopt);
    EXPECT_EQ(WeekRecordSpin::requestUp(QString(), 0, 0), std::nullopt);
    EXPECT_EQ(WeekRecordSpin::requestDown(code, 0), 0);
    EXPECT_EQ(WeekRecordSpin::requestDown(code, 1), 0);
    EXPECT_EQ(WeekRecordSpin::requestDown(code, 3), 2);
    EXPECT_EQ(WeekRecordSpin::requestDown(QString(), 3), std::nullopt);
}

} // namespace
} // namespace korbelant
