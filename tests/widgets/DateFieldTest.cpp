#include "widgets/DateField.h"

#include "core/ScriptedUi.h"
#include "widgets/TMaskedDateEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

// Answers the calendar from the script and remembers the date it was opened on.
class CalendarUi : public ScriptedUi
{
public:
    std::optional<QDate> pickDate(const QDate& current) override
    {
        openedOn = current;
        return ScriptedUi::pickDate(current);
    }
    std::optional<QDate> openedOn;
};

class DateFieldTest : public ::testing::Test
{
protected:
    QWidget window;
    CalendarUi ui;
    DateField* field = new DateField(ui, &window);
    QLineEdit* other = new QLineEdit(&window);

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

TEST_F(DateFieldTest, TheCalendarButtonSetsEmptiesOrLeavesTheField)
{
    const QDate before(2026, 1, 10);
    const QDate partyDay(2025, 3, 5);
    struct Case
    {
        const char* what;
        QDate inField;
        bool withStart;
        bool clearOnCancel;
        std::optional<QDate> answer;
        QDate openedOn;
        QDate after;
        bool changed;
    };
    const Case cases[] = {
        {"a picked date goes in", before, false, false, QDate(2026, 3, 14), before, QDate(2026, 3, 14), true},
        {"no date empties the field", before, false, false, QDate(), before, QDate(), true},
        {"cancelling leaves the field", before, false, false, std::nullopt, before, before, false},
        {"cancelling empties a field that asks for it", before, false, true, std::nullopt, before, QDate(),
         true},
        {"the field's own date wins over the start", before, true, false, std::nullopt, before, before,
         false},
        {"an empty field opens on the start", QDate(), true, false, partyDay, partyDay, partyDay, true},
        {"an empty field without a start leaves the day to the calendar", QDate(), false, false, std::nullopt,
         QDate(), QDate(), false},
    };
    for (const Case& c : cases) {
        field->setDate(c.inField);
        field->setPickStart(c.withStart ? std::function<QDate()>([&] { return partyDay; })
                                        : std::function<QDate()>());
        field->setClearOnCancel(c.clearOnCancel);
        ui.addDate(c.answer);
        QSignalSpy changed(field, &DateField::dateChanged);
        field->calendarButton()->click();
        ASSERT_TRUE(ui.openedOn.has_value()) << c.what;
        EXPECT_EQ(*ui.openedOn, c.openedOn) << c.what;
        EXPECT_EQ(field->date(), c.after) << c.what;
        EXPECT_EQ(changed.count(), c.changed ? 1 : 0) << c.what;
    }
}

TEST_F(DateFieldTest, APickMovesTheFocusIntoTheFieldUnlessTheButtonTakesIt)
{
    EXPECT_EQ(field->calendarButton()->focusPolicy(), Qt::NoFocus);
    other->setFocus();
    ui.addDate(QDate(2026, 3, 14));
    field->calendarButton()->click();
    EXPECT_TRUE(field->edit()->hasFocus());
    EXPECT_EQ(field->edit()->text(), QStringLiteral("14.03.2026"));

    field->setButtonTakesFocus(true);
    field->calendarButton()->setFocus();
    ui.addDate(QDate(2026, 3, 15));
    field->calendarButton()->click();
    EXPECT_TRUE(field->calendarButton()->hasFocus());
    EXPECT_EQ(field->date(), QDate(2026, 3, 15));
}

TEST_F(DateFieldTest, NamedAfterItsDataField)
{
    field->setFieldName(QStringLiteral("GEBURTSTAG"));
    EXPECT_EQ(window.findChild<TMaskedDateEdit*>(QStringLiteral("GEBURTSTAG")), field->edit());
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("GEBURTSTAGButton")), field->calendarButton());
    EXPECT_EQ(field->calendarButton()->text(), QStringLiteral("..."));
}

} // namespace korbelant
