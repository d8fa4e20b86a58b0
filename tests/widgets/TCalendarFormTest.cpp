#include "widgets/TCalendarForm.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

QStringList list(std::initializer_list<const char*> items)
{
    QStringList result;
    for (const char* item : items)
        result << QString::fromLatin1(item);
    return result;
}

TEST(TCalendarForm, WeekColumnFollowsTheRowsMonday)
{
    TCalendarForm form;
    form.setSelectedDate(QDate(2003, 12, 17));
    EXPECT_EQ(form.weekColumn(), list({"49", "50", "51", "52", "01"}));
    form.setSelectedDate(QDate(2005, 1, 10));
    EXPECT_EQ(form.weekColumn(), list({"53", "01", "02", "03", "04", "05"}));
    form.setSelectedDate(QDate(2006, 1, 1));
    EXPECT_EQ(form.weekColumn().first(), QStringLiteral("52"));
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("Grid"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Wo"));
    EXPECT_EQ(grid->item(0, 0)->background().color(), QColor(Qt::yellow));
}

TEST(TCalendarForm, NavigationKeepsOrClampsTheDayAndCaptionFollows)
{
    TCalendarForm form;
    form.setSelectedDate(QDate(2004, 1, 31));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Januar 31, 2004"));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("MonthOn")), Qt::LeftButton);
    EXPECT_EQ(form.selectedDate(), QDate(2004, 2, 29));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Februar 29, 2004"));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("YearBack")), Qt::LeftButton);
    EXPECT_EQ(form.selectedDate(), QDate(2003, 2, 28));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("YearOn")), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("MonthBack")), Qt::LeftButton);
    EXPECT_EQ(form.selectedDate(), QDate(2004, 1, 28));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("YearBack"))->toolTip(),
              QStringLiteral("Ein Jahr zurück"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("MonthBack"))->toolTip(),
              QStringLiteral("Einen Monat zurück"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("YearOn"))->toolTip(),
              QStringLiteral("Ein Jahr vor"));
}

TEST(TCalendarForm, ThreeOutcomes)
{
    struct Case
    {
        const char* button;
        std::optional<QDate> expected;
    };
    const Case cases[] = {
        {"OkButton", QDate(2003, 12, 17)}, {"NoDateButton", QDate()}, {"CancelButton", std::nullopt}};
    for (const Case& c : cases) {
        TCalendarForm form;
        form.setSelectedDate(QDate(2003, 12, 17));
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(c.button)), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible()) << c.button;
        EXPECT_EQ(form.result(), c.expected) << c.button;
    }
    TCalendarForm closed;
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), std::nullopt);
}

TEST(TCalendarForm, ClickingADayChoosesItAndDoubleClickAccepts)
{
    TCalendarForm form;
    form.setSelectedDate(QDate(2003, 12, 17));
    form.show();
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("Grid"));
    // Row 1 is the week of 8 December; column 5 is Friday the 12th.
    const QRect cell = grid->visualRect(grid->model()->index(1, 5));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(form.selectedDate(), QDate(2003, 12, 12));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Dezember 12, 2003"));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(form.result(), std::optional<QDate>(QDate(2003, 12, 12)));
}

} // namespace
} // namespace korbelant
