#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "euro/EuroCalculator.h"
#include "euro/EuroConversion.h"
#include "euro/EuroPlan.h"
#include "euro/ui/EuroProgressUi.h"
#include "euro/ui/TEuroForm.h"
#include "euro/ui/TEuroRechner.h"
#include "euro/ui/TEuroStatus.h"
#include "euro/ui/TEuroVerify.h"
#include "support/PartyBuilder.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class EuroWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PartyBuilder(QStringLiteral("0000001"))
            .with(QStringLiteral("DATUM"), QDate(2001, 12, 1))
            .with(QStringLiteral("S_UMSATZ"), 100.0)
            .insertInto(set->db());
    }

    double turnover() { return set->db().scalar(QStringLiteral("SELECT S_UMSATZ FROM Tuppkopf")).toDouble(); }

    static void click(QWidget& window, const char* button)
    {
        auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_TRUE(b) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    TempHome home;
    std::unique_ptr<DataSet> set = DataSet::open(home.home());
    ScriptedUi ui;
};

} // namespace

TEST_F(EuroWindowsTest, TheConversionWindowFollowsTheCurrentCurrency)
{
    for (const bool euro : {false, true}) {
        set->options().setChecked(QStringLiteral("Euro"), euro);
        TEuroForm form(*set, ui);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("€uroverwaltung"));
        EXPECT_EQ(form.findChild<QRadioButton*>(QStringLiteral("UpToDate"))->isChecked(), euro);
        EXPECT_EQ(form.findChild<QRadioButton*>(QStringLiteral("AllData"))->isChecked(), !euro);
        auto* already = form.findChild<QLabel*>(QStringLiteral("AlreadyEuro"));
        EXPECT_EQ(already != nullptr, euro);
        if (already) {
            EXPECT_TRUE(already->text().startsWith(QStringLiteral("Ihre aktuelle Währung ist Euro.")));
        }
        const EuroRequest request = form.request();
        EXPECT_EQ(request.dateText, QStringLiteral("01.01.2002"));
        EXPECT_TRUE(request.articles);
    }
}

TEST_F(EuroWindowsTest, EveryButtonOfTheConversionWindow)
{
    struct Case
    {
        const char* name;
        const char* button;
        bool confirmed;
        bool allData;
        const char* date;
        bool visibleAfter;
        bool programEnds;
        double turnover;
        QString lastShown;
    };
    const std::vector<Case> cases{
        {"cancel", "CancelButton", true, true, "01.01.2002", false, false, 100.0, QString()},
        {"not confirmed", "ConvertButton", false, true, "01.01.2002", true, false, 100.0, QString()},
        {"no date", "ConvertButton", true, false, "31.02.2002", true, false, 100.0,
         EuroConversion::kInvalidDate},
        {"converted", "ConvertButton", true, true, "01.01.2002", false, true, 51.12918811016,
         EuroConversion::kConverted},
    };
    for (const Case& c : cases) {
        ui = ScriptedUi();
        int asked = 0;
        TEuroForm form(*set, ui, nullptr, [&](const EuroRequest&) {
            ++asked;
            return c.confirmed;
        });
        form.findChild<QRadioButton*>(c.allData ? "AllData" : "UpToDate")->setChecked(true);
        form.findChild<QLineEdit*>(QStringLiteral("Date"))->setText(QString::fromLatin1(c.date));
        form.show();
        click(form, c.button);
        EXPECT_EQ(form.isVisible(), c.visibleAfter) << c.name;
        EXPECT_EQ(form.programEnds(), c.programEnds) << c.name;
        EXPECT_EQ(turnover(), c.turnover) << c.name;
        EXPECT_EQ(ui.shownTexts().value(ui.shownTexts().size() - 1), c.lastShown) << c.name;
        EXPECT_EQ(asked, QString::fromLatin1(c.button) == "ConvertButton" ? 1 : 0) << c.name;
    }
}

TEST_F(EuroWindowsTest, AFailedTableIsShownAndTheProgramEndsAfterTheRestore)
{
    set->db().execScript(
        QStringLiteral("CREATE TRIGGER Sperre BEFORE UPDATE ON MWoche BEGIN SELECT RAISE(ABORT, 'x'); END"));
    set->db().insert(Schema::get(QStringLiteral("MWoche")),
                     {{QStringLiteral("MWoche"), QStringLiteral("200148")}});
    TEuroForm form(*set, ui, nullptr, [](const EuroRequest&) { return true; });
    form.show();
    click(form, "ConvertButton");
    EXPECT_TRUE(form.programEnds());
    EXPECT_EQ(ui.shownTexts(), (QStringList{EuroPlan::failureText(QStringLiteral("Woche-Datein")),
                                            EuroConversion::kRestored}));
    EXPECT_EQ(turnover(), 100.0);
}

TEST_F(EuroWindowsTest, TheCalculatorButtonOpensTheCalculatorOnTop)
{
    TEuroForm form(*set, ui);
    form.show();
    click(form, "CalculatorButton");
    auto* calculator = form.findChild<TEuroRechner*>();
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_TRUE(calculator->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(calculator->isModal());
    EXPECT_EQ(TEuroRechner::showFor(ui, &form), calculator);
}

TEST_F(EuroWindowsTest, TheConfirmationWantsEuroTyped)
{
    EuroRequest request;
    request.allData = false;
    request.articles = false;
    struct Case
    {
        const char* typed;
        bool accepted;
    };
    for (const Case& c :
         {Case{"", false}, Case{"EUR", false}, Case{"ECU", false}, Case{"euro", true}, Case{"EURO", true}}) {
        ui = ScriptedUi();
        TEuroVerify dialog(request, ui);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Euroumstellung :"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Scope"))->text(),
                  QStringLiteral("bis 01.01.2002"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Articles"))->text(),
                  QStringLiteral("wird nicht umgerechnet"));
        dialog.show();
        auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("Confirmation"));
        QTest::keyClicks(entry, QString::fromLatin1(c.typed) + QStringLiteral("X"));
        EXPECT_LE(entry->text().size(), 4) << c.typed;
        entry->setText(QString::fromLatin1(c.typed));
        click(dialog, "ConvertButton");
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.typed;
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.typed;
        EXPECT_EQ(ui.wasShown(EuroConversion::kConfirmPlease), !c.accepted) << c.typed;
    }
    TEuroVerify all(EuroRequest{}, ui);
    EXPECT_EQ(all.findChild<QLabel*>(QStringLiteral("Scope"))->text(), QStringLiteral("komplett"));
    EXPECT_EQ(all.findChild<QLabel*>(QStringLiteral("Articles"))->text(), QStringLiteral("wird umgerechnet"));
}

TEST_F(EuroWindowsTest, TheCalculatorConvertsBothWays)
{
    TEuroRechner calculator(ui);
    EXPECT_EQ(calculator.windowTitle(), QStringLiteral("€uroumrechner für Einzelbeträge :"));
    auto* dm = calculator.findChild<QLineEdit*>(QStringLiteral("DmAmount"));
    auto* euro = calculator.findChild<QLineEdit*>(QStringLiteral("EuroAmount"));
    dm->setText(QStringLiteral("100,00"));
    click(calculator, "ToEuroButton");
    EXPECT_EQ(euro->text(), QStringLiteral("51,13"));
    click(calculator, "ToDmButton");
    EXPECT_EQ(dm->text(), QStringLiteral("100,00"));
    dm->setText(QStringLiteral("zehn"));
    euro->setText(QStringLiteral("?"));
    click(calculator, "ToEuroButton");
    click(calculator, "ToDmButton");
    EXPECT_EQ(ui.shownTexts(), (QStringList{EuroCalculator::kNoDmValue, EuroCalculator::kNoEuroValue}));
    EXPECT_EQ(euro->text(), QStringLiteral("?"));
    EXPECT_EQ(calculator.findChild<QPushButton*>(QStringLiteral("ToEuroButton"))->toolTip(),
              QStringLiteral("DM in Euro umrechnen"));
}

TEST_F(EuroWindowsTest, TheProgressWindowShowsEachStepAndMessagesGoToTheProgram)
{
    TEuroStatus status;
    EuroProgressUi port(ui, status);
    EXPECT_EQ(status.windowTitle(), QStringLiteral("Umrechnung von DM in Euro"));
    port.progressStep(QStringLiteral("Ausgaben."), QStringLiteral("Die Ausgaben Datei wird umgerechnet."),
                      30);
    EXPECT_TRUE(status.isVisible());
    EXPECT_EQ(status.heading(), QStringLiteral("Ausgaben."));
    EXPECT_EQ(status.detail(), QStringLiteral("Die Ausgaben Datei wird umgerechnet."));
    EXPECT_EQ(status.percent(), 30);
    port.error(QStringLiteral("Fehler"));
    ui.addAnswer(UiPort::Answer::Yes);
    EXPECT_EQ(port.question(QStringLiteral("Weiter?"), UiPort::Buttons::YesNo), UiPort::Answer::Yes);
    EXPECT_EQ(ui.shownTexts(), (QStringList{QStringLiteral("Fehler"), QStringLiteral("Weiter?")}));
    port.progress(QString());
    EXPECT_FALSE(status.isVisible());
}

} // namespace korbelant::test
