#include "customers/ui/TClientFast.h"
#include "parties/ui/NextModal.h"
#include "parties/ui/TNewVorFForm.h"
#include "parties/ui/TR_NRChooser.h"
#include "support/PartyModuleFixture.h"
#include "widgets/TMaskedDateEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace korbelant::test {

namespace {

const QDate kToday(2025, 3, 12);

class PartyDialogsTest : public PartyModuleFixture
{
protected:
    PartyDialogsTest()
    {
        addCustomer(QStringLiteral("100010"),
                    {{QStringLiteral("KM_ENTF"), 12}, {QStringLiteral("VORNAME"), QStringLiteral("Anna")}});
    }

    TVorFuerModul::Record freshHeader(const QDate& date, const QString& suffix = QStringLiteral("A"))
    {
        return party().newParty(TVorFuerModul::partyNumber(date, suffix), date);
    }
};

TEST_F(PartyDialogsTest, NumberDialogPreviewsAndReturnsNumberAndDate)
{
    TR_NRChooser dialog(party(), ui(), kToday);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nummer der Vorführung eingeben :"));
    EXPECT_EQ(dialog.dateEdit()->text(), QStringLiteral("12.03.2025"));
    EXPECT_EQ(dialog.suffixEdit()->text(), QStringLiteral("A"));
    dialog.dateEdit()->setText(QStringLiteral("05.03.2025"));
    dialog.dateLeft();
    QTest::keyClick(dialog.suffixEdit(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.suffixEdit(), QStringLiteral("c"));
    EXPECT_EQ(dialog.suffixEdit()->text(), QStringLiteral("C"));
    EXPECT_EQ(dialog.preview()->text(), QStringLiteral("050325C"));
    QTest::keyClick(dialog.suffixEdit(), Qt::Key_Return); // Enter in the day letter is "&Ok"
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.choice());
    EXPECT_EQ(dialog.choice()->rNr, QStringLiteral("050325C"));
    EXPECT_EQ(dialog.choice()->date, QDate(2025, 3, 5));
    EXPECT_TRUE(ui().shownTexts().isEmpty());
}

TEST_F(PartyDialogsTest, NumberDialogChecksInOrderAndStaysOpen)
{
    makeParty(QDate(2025, 3, 5), QStringLiteral("100010"), QStringLiteral("A"));
    struct Case
    {
        const char* what;
        const char* date;
        bool suffixEntered;
        QList<UiPort::Answer> answers;
        QStringList shown;
        bool accepted;
    };
    const Case cases[] = {
        {"no date: reported on leaving, Ok does nothing",
         "31.02.2025",
         true,
         {},
         {"Kein gültiges Datum"},
         false},
        {"future date cancelled",
         "20.03.2025",
         true,
         {UiPort::Answer::Cancel},
         {"Datum größer heute."},
         false},
        {"future date confirmed", "20.03.2025", true, {UiPort::Answer::Ok}, {"Datum größer heute."}, true},
        {"day letter never entered", "06.03.2025", false, {}, {}, false},
        {"number exists", "05.03.2025", true, {}, {"Vorführungsnummer schon vorhanden"}, false},
    };
    for (const Case& c : cases) {
        const auto before = ui().shownTexts().size();
        for (UiPort::Answer a : c.answers)
            ui().addAnswer(a);
        TR_NRChooser dialog(party(), ui(), kToday);
        dialog.dateEdit()->setText(QString::fromLatin1(c.date));
        dialog.dateLeft();
        if (c.suffixEntered) {
            dialog.suffixEdit()->clear();
            QTest::keyClicks(dialog.suffixEdit(), QStringLiteral("A"));
        }
        dialog.okClicked();
        const QStringList shown = ui().shownTexts().mid(before);
        EXPECT_EQ(shown, c.shown) << c.what;
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.what;
        EXPECT_EQ(dialog.choice().has_value(), c.accepted) << c.what;
    }
}

TEST_F(PartyDialogsTest, PartyDialogShowsTheHeaderAndTakesTheHost)
{
    TNewVorFForm dialog(party(), *m_customers, ui(), freshHeader(QDate(2025, 3, 5), QStringLiteral("B")),
                        TNewVorFForm::kNewCaption);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Neue Vorführung anlegen"));
    EXPECT_EQ(dialog.value(QStringLiteral("R_NR"))->text(), QStringLiteral("050325B"));
    EXPECT_EQ(dialog.value(QStringLiteral("DATUM"))->text(), QStringLiteral("05.03.2025"));
    EXPECT_EQ(dialog.yearEdit()->text(), QStringLiteral("2025"));
    EXPECT_EQ(dialog.weekEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.value(QStringLiteral("TWoche"))->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.value(QStringLiteral("BZH_VF_NR"))->text(),
              TVorFuerModul::BZH_VF_NR(QDate(2025, 3, 5), QStringLiteral("B")));
    EXPECT_EQ(dialog.guestsEdit()->text(), QStringLiteral("0"));

    QTest::keyClicks(dialog.hostEdit(), QStringLiteral("100010"));
    QTest::keyClick(dialog.hostEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.hostName()->text(), QStringLiteral("Kunde100010, Anna"));
    EXPECT_EQ(dialog.kmEdit()->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.value(QStringLiteral("SummeKm"))->text(), QStringLiteral("24"));
    // A delivery date picked in the calendar adds a return trip; no date clears it again.
    ui().addDate(QDate(2025, 3, 20));
    dialog.pickDate(QStringLiteral("AUSLIEFER1"));
    EXPECT_EQ(dialog.dateEdit(QStringLiteral("AUSLIEFER1"))->date(), QDate(2025, 3, 20));
    EXPECT_EQ(dialog.value(QStringLiteral("SummeKm"))->text(), QStringLiteral("48"));
    ui().addDate(QDate());
    dialog.pickDate(QStringLiteral("AUSLIEFER1"));
    EXPECT_FALSE(dialog.dateEdit(QStringLiteral("AUSLIEFER1"))->date().isValid());
    EXPECT_EQ(dialog.value(QStringLiteral("SummeKm"))->text(), QStringLiteral("24"));
    ui().addDate(QDate(2025, 3, 4));
    dialog.pickDate(QStringLiteral("VORBEREIT1"));

    dialog.experienceButton()->setChecked(true);
    dialog.remarksEdit()->setText(QStringLiteral("Küche O'Brien"));
    ASSERT_TRUE(dialog.okClicked());
    const TVorFuerModul::Record& h = dialog.header();
    EXPECT_EQ(h.value(QStringLiteral("K_NR")).toString(), QStringLiteral("100010"));
    EXPECT_EQ(h.value(QStringLiteral("BZH_VF_ART")).toInt(), 1);
    EXPECT_EQ(h.value(QStringLiteral("VF_TEXT")).toString(), QStringLiteral("Küche O'Brien"));
    EXPECT_EQ(h.value(QStringLiteral("VORBEREIT1")).toDate(), QDate(2025, 3, 4));
    EXPECT_TRUE(h.value(QStringLiteral("AUSLIEFER1")).isNull());
    EXPECT_FALSE(dialog.orderEntryRequested());
}

TEST_F(PartyDialogsTest, CountButtonsStepUpAndDown)
{
    TNewVorFForm dialog(party(), *m_customers, ui(), freshHeader(QDate(2025, 3, 5)),
                        TNewVorFForm::kNewCaption);
    struct Case
    {
        const char* before;
        bool up;
        const char* after;
    };
    const Case cases[] = {{"", true, "1"},   {"4", true, "5"},   {"", false, ""},
                          {"0", false, "0"}, {"-3", false, "0"}, {"4", false, "3"}};
    for (QLineEdit* count : {dialog.guestsEdit(), dialog.recruitmentsEdit()}) {
        for (const Case& c : cases) {
            count->setText(QString::fromLatin1(c.before));
            const QString arrow = c.up ? QStringLiteral("Up") : QStringLiteral("Down");
            QToolButton* button = nullptr;
            for (QToolButton* b : count->parentWidget()->findChildren<QToolButton*>()) {
                if (b->objectName() == arrow)
                    button = b;
            }
            ASSERT_TRUE(button);
            button->click();
            EXPECT_EQ(count->text(), QString::fromLatin1(c.after)) << c.before << (c.up ? " up" : " down");
        }
    }
}

TEST_F(PartyDialogsTest, OkChecksWeekYearAndHostThenMovesToTheNewWeek)
{
    makeParty(QDate(2025, 3, 17)); // week 2025/12 has part-week 1
    TNewVorFForm dialog(party(), *m_customers, ui(), freshHeader(QDate(2025, 3, 5)),
                        TNewVorFForm::kNewCaption);
    struct Case
    {
        const char* year;
        const char* week;
        const char* host;
        const char* message;
    };
    const Case cases[] = {
        {"2025", "54", "100010", "Nur Woche 01 bis 53 möglich"},
        {"2025", "00", "100010", "Nur Woche 01 bis 53 möglich"},
        {"2025", "5", "100010", "Nur Woche 01 bis 53 möglich"},
        {"1989", "10", "100010", "Nur Jahreszahlen ab 1990 möglich"},
        {"25", "10", "100010", "Nur Jahreszahlen ab 1990 möglich"},
        {"2025", "10", "", "Sie müssen eine gültige Kunden-Nr. eingeben"},
        {"2025", "10", "123456", "Sie müssen eine gültige Kunden-Nr. eingeben"},
    };
    for (const Case& c : cases) {
        dialog.yearEdit()->setText(QString::fromLatin1(c.year));
        dialog.weekEdit()->setText(QString::fromLatin1(c.week));
        dialog.hostEdit()->setText(QString::fromLatin1(c.host));
        EXPECT_FALSE(dialog.okClicked()) << c.year << "/" << c.week << " " << c.host;
        EXPECT_EQ(ui().shownTexts().value(ui().shownTexts().size() - 1), QString::fromUtf8(c.message));
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(party().headerStored(dialog.header().value(QStringLiteral("R_NR")).toString()))
        << "nothing is saved meanwhile";

    dialog.weekEdit()->setText(QStringLiteral("12"));
    dialog.hostEdit()->setText(QStringLiteral("100010"));
    ASSERT_TRUE(dialog.okClicked(true));
    EXPECT_EQ(dialog.header().value(QStringLiteral("MWoche")).toString(), QStringLiteral("202512"));
    EXPECT_EQ(dialog.header().value(QStringLiteral("TWoche")).toString(), QStringLiteral("2"));
    EXPECT_TRUE(dialog.orderEntryRequested());
}

TEST_F(PartyDialogsTest, EnterMovesOnAndInAnEmptyHostFieldOpensTheQuickSearch)
{
    TNewVorFForm dialog(party(), *m_customers, ui(), freshHeader(QDate(2025, 3, 5)),
                        TNewVorFForm::kNewCaption);
    QString title;
    whenModal<TClientFast>([&](TClientFast* search) {
        title = search->windowTitle();
        search->reject();
    });
    QTest::keyClick(dialog.hostEdit(), Qt::Key_Return);
    EXPECT_EQ(title, QStringLiteral("Kundenschnellsuche"));
    EXPECT_TRUE(dialog.hostEdit()->text().isEmpty());
}

} // namespace

} // namespace korbelant::test
