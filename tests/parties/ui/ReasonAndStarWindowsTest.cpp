#include "parties/ExchangeReasons.h"
#include "parties/ui/TSternekonto.h"
#include "parties/ui/TUMTForm.h"
#include "support/PartyModuleFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ReasonAndStarWindowsTest : public PartyModuleFixture
{
protected:
    // A party whose host got star articles worth `lineStars` stars and bought for 10.
    QString partyWithStarLine(int lineStars)
    {
        addArticle(QStringLiteral("S100"), QStringLiteral("10"), 10.0, lineStars);
        const QString rNr = makeParty(QDate::currentDate().addDays(-3));
        for (const QString& kind : {QStringLiteral("34"), QStringLiteral("10")})
            EXPECT_EQ(enter(rNr, TVorFuerModul::kHost, QStringLiteral("S100"), kind, 1),
                      GuestLineRules::SaveResult::Saved);
        return rNr;
    }

    void recompute(const QString& rNr)
    {
        TVorFuerModul::Record h = header(rNr);
        party().saveHeader(h);
    }
};

TEST_F(ReasonAndStarWindowsTest, ReasonChooserTakesTheSelectedCodeAndStoresRewordedTexts)
{
    ExchangeReasons reasons(db());
    const QString second = reasons.all().at(1).code;
    TUMTForm form(reasons, ui(), second, nullptr);
    form.show();
    QTableWidget* grid = form.grid();
    ASSERT_EQ(grid->currentRow(), 1);
    grid->item(1, 1)->setText(QStringLiteral("Griff abgebrochen"));
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosen(), second);
    EXPECT_EQ(reasons.all().at(1).text, QStringLiteral("Griff abgebrochen"));
}

TEST_F(ReasonAndStarWindowsTest, ReasonChooserEscapeCancelsWithoutStoring)
{
    ExchangeReasons reasons(db());
    const QString before = reasons.all().at(0).text;
    QTimer::singleShot(50, [] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            dialog->findChild<QTableWidget*>()->item(0, 1)->setText(QStringLiteral("anders"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    EXPECT_FALSE(TUMTForm::choose(reasons, ui(), QString(), nullptr).has_value());
    EXPECT_EQ(reasons.all().at(0).text, before);
}

TEST_F(ReasonAndStarWindowsTest, StarAccountShowsThePartyAndBlinksWhileMoreStarsAreEnteredThanEarned)
{
    const QString rNr = partyWithStarLine(40);
    recompute(rNr);
    int recomputed = 0;
    QWidget guest;
    TSternekonto account(
        party(),
        [&] {
            ++recomputed;
            recompute(rNr);
        },
        &guest);
    account.showFor(rNr);
    EXPECT_EQ(account.value(QStringLiteral("eingegebene Sternezahl :")), QStringLiteral("40"));
    EXPECT_EQ(account.value(QStringLiteral("Gesamtumsatz:")), QStringLiteral("10,00"));
    EXPECT_EQ(account.value(QStringLiteral("erreichte  Sternezahl :")),
              QString::number(party().TKopfTableCalcFields(header(rNr)).mSterne));
    ASSERT_TRUE(account.warning());
    EXPECT_TRUE(account.blinking());
    account.blink();
    EXPECT_TRUE(account.blinkedRed());
    account.blink();
    EXPECT_FALSE(account.blinkedRed()) << "the marker alternates on every beat";
    account.blink();

    db().run(QStringLiteral("UPDATE Tupper1 SET STERNE = 0 WHERE R_NR = ?"), {rNr});
    QTest::mouseClick(account.recomputeButton(), Qt::LeftButton);
    EXPECT_EQ(recomputed, 1);
    EXPECT_EQ(account.value(QStringLiteral("eingegebene Sternezahl :")), QStringLiteral("0"));
    EXPECT_FALSE(account.warning());
    EXPECT_FALSE(account.blinkedRed());
}

} // namespace

} // namespace korbelant::test
