#include "customers/ui/TClientGETR_NR.h"

#include "support/CustomerStoreFixture.h"
#include "support/PartyBuilder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

void press(QWidget* w, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

using TClientGETR_NRTest = CustomerStoreFixture;

} // namespace

TEST_F(TClientGETR_NRTest, NumberFromTheListOrTypedAndTheKeys)
{
    PartyBuilder("120326A").week("202611").host("100001").with("DATUM", "2026-03-12").insertInto(*db);
    TClientGETR_NR prompt(*db, ui, "Teilnehmer der Vorführung", true);
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Teilnehmer der Vorführung"));
    ASSERT_EQ(prompt.grid()->rowCount(), 1);
    EXPECT_EQ(prompt.grid()->item(0, 2)->text(), QStringLiteral("2026/11"));

    prompt.show();
    press(prompt.numberEdit(), Qt::Key_Escape);
    EXPECT_TRUE(prompt.isVisible()) << "Escape does not cancel";
    press(prompt.numberEdit(), Qt::Key_Return);
    EXPECT_TRUE(ui.wasShown(TClientGETR_NR::kIncomplete));
    EXPECT_NE(prompt.result(), QDialog::Accepted);

    emit prompt.grid()->cellDoubleClicked(0, 0);
    EXPECT_EQ(prompt.typedNumber(), QStringLiteral("12/03/26  A"));
    EXPECT_EQ(prompt.number(), QStringLiteral("120326A"));
    press(prompt.numberEdit(), Qt::Key_Return);
    EXPECT_EQ(prompt.result(), QDialog::Accepted);

    TClientGETR_NR other(*db, ui, "x", false);
    EXPECT_FALSE(other.grid()->isVisibleTo(&other));
    other.show();
    press(other.numberEdit(), Qt::Key_End);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(other.result(), QDialog::Rejected);
}

} // namespace korbelant::test
