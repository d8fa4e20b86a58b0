#include "widgets/TMaskedDateEdit.h"

#include "core/ScriptedUi.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class MaskedDateEditTest : public ::testing::Test
{
protected:
    QWidget window;
    TMaskedDateEdit* edit = new TMaskedDateEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    ScriptedUi ui;

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        edit->setUi(&ui);
        edit->setToday(QDate(2026, 6, 15));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QApplication::processEvents();
        ASSERT_FALSE(edit->hasFocus());
    }

    void enter()
    {
        edit->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(edit->hasFocus());
    }

    void leave()
    {
        other->setFocus();
        QApplication::processEvents();
        QApplication::processEvents();
    }
};

TEST_F(MaskedDateEditTest, TypingFillsTheMaskAndJumpsTheDots)
{
    enter();
    EXPECT_EQ(edit->text(), QStringLiteral("__.__.____"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    QTest::keyClicks(edit, QStringLiteral("3x1/1-2 2003"));
    EXPECT_EQ(edit->text(), QStringLiteral("31.12.2003"));
    EXPECT_EQ(edit->cursorPosition(), 10);
    QTest::keyClick(edit, Qt::Key_9); // nothing beyond the mask
    EXPECT_EQ(edit->text(), QStringLiteral("31.12.2003"));
    leave();
    EXPECT_TRUE(ui.shown().isEmpty());
    EXPECT_EQ(edit->date(), QDate(2003, 12, 31));
    EXPECT_EQ(edit->dateText(), QStringLiteral("31.12.2003"));
}

TEST_F(MaskedDateEditTest, BackspaceAndDeleteCloseTheGap)
{
    enter();
    QTest::keyClicks(edit, QStringLiteral("311203"));
    EXPECT_EQ(edit->text(), QStringLiteral("31.12.03__"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(edit->cursorPosition(), 3);
    QTest::keyClick(edit, Qt::Key_Backspace); // the 1 left of the dot
    EXPECT_EQ(edit->text(), QStringLiteral("31.20.3___"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClick(edit, Qt::Key_Delete); // the 1 at the caret
    EXPECT_EQ(edit->text(), QStringLiteral("32.03.____"));
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_EQ(edit->cursorPosition(), 10);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 9);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("32.03.____"));
}

TEST_F(MaskedDateEditTest, FaultyEntryKeepsFocusAndShowsMessage)
{
    enter();
    QTest::keyClicks(edit, QStringLiteral("290203"));
    leave();
    ASSERT_EQ(ui.shownTexts(), QStringList{QStringLiteral("Bitte Tagesangabe korrigieren")});
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("29.02.03__"));
    EXPECT_FALSE(edit->date().isValid());

    // Correcting the year lets the focus go.
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("2004"));
    leave();
    EXPECT_EQ(edit->date(), QDate(2004, 2, 29));
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(MaskedDateEditTest, EnteringShowsTheDateWithCaretBehindIt)
{
    edit->setDate(QDate(2003, 12, 31));
    EXPECT_EQ(edit->text(), QStringLiteral("31.12.2003"));
    // A click on the field enters it like the keyboard does.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, edit->height() / 2));
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("31.12.2003"));
    EXPECT_EQ(edit->cursorPosition(), 10);
    // Clicks inside the focused field do not move the caret.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, edit->height() / 2));
    EXPECT_EQ(edit->cursorPosition(), 10);
    // Emptying the field clears the date.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("__.__.____"));
    leave();
    EXPECT_FALSE(edit->date().isValid());
    EXPECT_TRUE(ui.shown().isEmpty());
}

TEST_F(MaskedDateEditTest, ShortYearModeUsesTheShortMask)
{
    edit->setShortYear(true);
    enter();
    EXPECT_EQ(edit->text(), QStringLiteral("__.__.__"));
    QTest::keyClicks(edit, QStringLiteral("010199"));
    leave();
    EXPECT_EQ(edit->date(), QDate(1999, 1, 1));
}

} // namespace
} // namespace korbelant
