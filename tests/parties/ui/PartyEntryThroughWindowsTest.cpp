#include "parties/ui/GuestKeys.h"
#include "parties/ui/PartyTableModel.h"
#include "parties/ui/TNewGuestForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "support/PartyModuleFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace korbelant::test {

namespace {

// A whole party entered as the consultant does it: the party window opens the guest window on
// the host, and every line, every further guest and her customer number is typed there.
class PartyEntryThroughWindowsTest : public PartyModuleFixture
{
protected:
    PartyEntryThroughWindowsTest()
    {
        addCustomer(QStringLiteral("100010"));
        addCustomer(QStringLiteral("100011"));
        addCustomer(QStringLiteral("100012"));
        addArticle(QStringLiteral("A100"), QStringLiteral("10"), 10.0);
        addArticle(QStringLiteral("B200"), QStringLiteral("10"), 4.5);
        addArticle(QStringLiteral("S100"), QStringLiteral("10"), 25.0, 50);
    }

    static void newGuest(TNewGuestForm& form, const QString& kNr)
    {
        for (QPushButton* b : form.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Neue &Gastbestellung "))
                QTest::mouseClick(b, Qt::LeftButton);
        QTest::keyClicks(form.customerEdit(), kNr);
        QTest::keyClick(form.customerEdit(), Qt::Key_Return);
    }

    QString customerOf(const QString& rNr, const QString& pNr)
    {
        return db()
            .scalar(QStringLiteral("SELECT K_NR FROM Tupper WHERE R_NR = ? AND P_NR = ?"), {rNr, pNr})
            .toString();
    }
};

TEST_F(PartyEntryThroughWindowsTest, HostAndTwoGuestsTypedInTheGuestWindowGiveTheHeaderTotalsAndTheStarBox)
{
    const QString rNr = makeParty(QDate::currentDate().addDays(-2), QStringLiteral("100010"));
    TVorFuerForm window(*m_set, party(), *m_customers, ui(), [&](const QString& r, const QString& p) {
        return TNewGuestForm::run(party(), *m_articles, *m_customers, options(), ui(), r, p, nullptr);
    });
    window.show();
    ASSERT_EQ(window.currentParty(), rNr);
    ASSERT_EQ(window.currentGuest(), QStringLiteral("01"));

    bool typed = false;
    QTimer::singleShot(50, [&] {
        auto* form = dynamic_cast<TNewGuestForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        typeLine(*form, QStringLiteral("10"), QStringLiteral("A100"), QStringLiteral("2"));
        typeLine(*form, QStringLiteral("34"), QStringLiteral("S100"), QStringLiteral("1"));
        newGuest(*form, QStringLiteral("100011"));
        typeLine(*form, QStringLiteral("10"), QStringLiteral("A100"), QStringLiteral("1"));
        newGuest(*form, QStringLiteral("100012"));
        typeLine(*form, QStringLiteral("10"), QStringLiteral("B200"), QStringLiteral("3"));
        EXPECT_EQ(form->betragValue()->text(), QStringLiteral("13,50"));
        QTest::keyClick(form->kindEdit(), Qt::Key_Escape); // drops the empty new line
        QTest::keyClick(form->lineGrid(), Qt::Key_Escape); // closes
        typed = true;
    });
    QTest::mouseClick(window.button(QStringLiteral("Be&arbeiten")), Qt::LeftButton);
    ASSERT_TRUE(typed);

    EXPECT_EQ(customerOf(rNr, QStringLiteral("02")), QStringLiteral("100011"));
    EXPECT_EQ(customerOf(rNr, QStringLiteral("03")), QStringLiteral("100012"));
    const TVorFuerModul::Record h = header(rNr);
    EXPECT_DOUBLE_EQ(h.value(QStringLiteral("S_UMSATZ")).toDouble(), 43.5);
    EXPECT_DOUBLE_EQ(h.value(QStringLiteral("UM_STERNE")).toDouble(), 43.5);
    EXPECT_DOUBLE_EQ(h.value(QStringLiteral("STERNE_DM")).toDouble(), 25.0);
    EXPECT_EQ(h.value(QStringLiteral("STERNE")).toInt(), 50);
    EXPECT_DOUBLE_EQ(
        db().scalar(QStringLiteral("SELECT UMSATZ FROM Tupper WHERE R_NR = ? AND P_NR = '03'"), {rNr})
            .toDouble(),
        13.5);

    // The window shows what was entered: the guests, the turnover and a star box that blinks,
    // since 50 stars were spent on a turnover that earns none.
    EXPECT_EQ(window.guestGrid()->rowCount(), 3);
    EXPECT_EQ(window.detail(QStringLiteral("STERNE"))->text(), QStringLiteral("50"));
    EXPECT_EQ(window.detail(QStringLiteral("MSterne"))->text(), QStringLiteral("0"));
    EXPECT_EQ(window.detail(QStringLiteral("STERNE_DM"))->text(), QStringLiteral("25,00"));
    window.blink();
    const bool first = window.starBoxRed();
    window.blink();
    EXPECT_NE(window.starBoxRed(), first);
    EXPECT_TRUE(first || window.starBoxRed());
}

} // namespace

} // namespace korbelant::test
