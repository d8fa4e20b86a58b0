#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "customers/TClientDataModul.h"
#include "parties/ExchangeReasons.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/TSternekonto.h"
#include "parties/ui/TUMTForm.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ReasonAndStarWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_set = DataSet::open(m_home.home());
        m_customers = std::make_unique<TClientDataModul>(m_set->db(), m_ui);
        m_articles = std::make_unique<TArtikelModul>(*m_set, m_ui);
        m_party = std::make_unique<TVorFuerModul>(m_set->db(), m_set->options(), m_ui, *m_customers, *m_articles);
    }

    // A party whose host got star articles worth `lineStars` stars and bought for 10.
    QString partyWithStarLine(int lineStars)
    {
        m_set->db().insert(Schema::get(QStringLiteral("Lager")),
                           {{QStringLiteral("L_NR"), QStringLiteral("S100")}, {QStringLiteral("VA"), QStringLiteral("10")},
                            {QStringLiteral("PREIS"), 10.0}, {QStringLiteral("STERNE"), lineStars}});
        const QDate date = QDate::currentDate().addDays(-3);
        const QString rNr = *m_party->checkPartyNumber(date.toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("A"), QDate(2100, 1, 1));
        TVorFuerModul::Record header = m_party->newParty(rNr, date);
        m_party->setHost(header, QStringLiteral("100001"));
        m_party->saveHeader(header);
        GuestLineRules& rules = m_party->lineRules();
        for (const QString& kind : {QStringLiteral("34"), QStringLiteral("10")}) {
            OrderLine line = rules.newLine(rNr, TVorFuerModul::kHost, header.value(QStringLiteral("MWoche")).toString(),
                                           header.value(QStringLiteral("TWoche")).toString());
            rules.Tu1TableVAChange(line, kind);
            rules.Tu1TableL_NRChange(line, QStringLiteral("S100"));
            EXPECT_EQ(rules.saveLine(line), GuestLineRules::SaveResult::Saved);
        }
        return rNr;
    }

    void recompute(const QString& rNr)
    {
        TVorFuerModul::Record header = *m_party->header(rNr);
        m_party->saveHeader(header);
    }

    TempHome m_home;
    std::unique_ptr<DataSet> m_set;
    ScriptedUi m_ui;
    std::unique_ptr<TClientDataModul> m_customers;
    std::unique_ptr<TArtikelModul> m_articles;
    std::unique_ptr<TVorFuerModul> m_party;
};

TEST_F(ReasonAndStarWindowsTest, ReasonChooserTakesTheSelectedCodeAndStoresRewordedTexts)
{
    ExchangeReasons reasons(m_set->db());
    const QString second = reasons.all().at(1).code;
    TUMTForm form(reasons, second, nullptr);
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
    ExchangeReasons reasons(m_set->db());
    const QString before = reasons.all().at(0).text;
    QTimer::singleShot(50, [] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            dialog->findChild<QTableWidget*>()->item(0, 1)->setText(QStringLiteral("anders"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    EXPECT_FALSE(TUMTForm::choose(reasons, QString(), nullptr).has_value());
    EXPECT_EQ(reasons.all().at(0).text, before);
}

TEST_F(ReasonAndStarWindowsTest, StarAccountShowsThePartyAndBlinksWhileMoreStarsAreEnteredThanEarned)
{
    const QString rNr = partyWithStarLine(40);
    recompute(rNr);
    int recomputed = 0;
    QWidget guest;
    TSternekonto account(*m_party, [&] { ++recomputed; recompute(rNr); }, &guest);
    account.showFor(rNr);
    EXPECT_EQ(account.value(QStringLiteral("eingegebene Sternezahl :")), QStringLiteral("40"));
    EXPECT_EQ(account.value(QStringLiteral("Gesamtumsatz:")), QStringLiteral("10,00"));
    EXPECT_EQ(account.value(QStringLiteral("erreichte  Sternezahl :")),
              QString::number(m_party->TKopfTableCalcFields(*m_party->header(rNr)).mSterne));
    ASSERT_TRUE(account.warning());
    EXPECT_TRUE(account.blinking());
    account.blink();
    EXPECT_TRUE(account.blinkedRed());
    account.blink();
    EXPECT_FALSE(account.blinkedRed()) << "the marker alternates on every beat";
    account.blink();

    m_set->db().run(QStringLiteral("UPDATE Tupper1 SET STERNE = 0 WHERE R_NR = ?"), {rNr});
    QTest::mouseClick(account.recomputeButton(), Qt::LeftButton);
    EXPECT_EQ(recomputed, 1);
    EXPECT_EQ(account.value(QStringLiteral("eingegebene Sternezahl :")), QStringLiteral("0"));
    EXPECT_FALSE(account.warning());
    EXPECT_FALSE(account.blinkedRed());
}

} // namespace

} // namespace korbelant::test
