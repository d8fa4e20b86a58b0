#include "core/WeekKey.h"

#include <gtest/gtest.h>

using korbelant::WeekKey;

TEST(WeekKey, KeysOfTheTurnOfTheYear)
{
    struct Case
    {
        QDate date;
        const char* key;
        int week;
    };
    const Case cases[] = {
        {QDate(2005, 1, 1), "200453", 53},  // Saturday, last week of 2004
        {QDate(2006, 1, 1), "200552", 52},  // Sunday
        {QDate(2003, 12, 31), "200401", 1}, // Wednesday, first week of 2004
        {QDate(2008, 12, 29), "200901", 1}, // Monday
        {QDate(2010, 1, 4), "201001", 1},    {QDate(2003, 2, 1), "200305", 5},
        {QDate(2020, 12, 31), "202053", 53}, {QDate(2021, 1, 3), "202053", 53},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekKey::weekKey(c.date), QString::fromLatin1(c.key)) << c.date.toString().toStdString();
        EXPECT_EQ(WeekKey::weekNumber(c.date), c.week) << c.date.toString().toStdString();
    }
}

TEST(WeekKey, AgreesWithIsoWeekDatesOverFiftyYears)
{
    for (QDate d(1990, 1, 1); d <= QDate(2040, 12, 31); d = d.addDays(1)) {
        int isoYear = 0;
        const int isoWeek = d.weekNumber(&isoYear);
        const QString expected = QStringLiteral("%1%2").arg(isoYear).arg(isoWeek, 2, 10, QLatin1Char('0'));
        ASSERT_EQ(WeekKey::weekKey(d), expected) << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(WeekKey, InvalidDateGivesNothing)
{
    EXPECT_EQ(WeekKey::weekNumber(QDate()), 0);
    EXPECT_TRUE(WeekKey::weekKey(QDate()).isEmpty());
    EXPECT_TRUE(WeekKey::dateText(QDate()).isEmpty());
}

TEST(WeekKey, DisplayForms)
{
    EXPECT_EQ(WeekKey::displayWeek(QStringLiteral("200305")), QStringLiteral("2003/05"));
    EXPECT_EQ(WeekKey::displayWeek(QStringLiteral("2003051")), QStringLiteral("2003/05/1"));
    EXPECT_EQ(WeekKey::displayWeek(QStringLiteral("2003")), QStringLiteral("2003"));
    EXPECT_EQ(WeekKey::dateText(QDate(2003, 2, 1)), QStringLiteral("01.02.2003"));
    EXPECT_EQ(WeekKey::calendarYear(QDate(2003, 12, 31)), 2003);
    EXPECT_EQ(WeekKey::calendarMonth(QDate(2003, 12, 31)), 12);
}

TEST(WeekKey, PartWeekMarksFollowEachOther)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"}, {"0", "1"}, {"1", "2"}, {"2", "3"}, {"8", "9"}, {"9", "A"}, {"A", "B"}, {"B", "C"},
    };
    for (const auto& [last, next] : cases)
        EXPECT_EQ(WeekKey::nextPartWeekMark(QString::fromLatin1(last)), QString::fromLatin1(next)) << last;
}
