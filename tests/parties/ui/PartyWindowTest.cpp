#include "parties/ui/NextModal.h"
#include "parties/ui/PartyTableModel.h"
#include "parties/ui/TNewVorFForm.h"
#include "parties/ui/TR_NRChooser.h"
#include "parties/ui/TVorFuerForm.h"
#include "parties/ui/TWeekRangeForm.h"
#include "support/PartyModuleFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace korbelant::test {

namespace {

const QDate kToday(2025, 3, 12);

class PartyWindowTest : public PartyModuleFixture
{
protected:
    PartyWindowTest()
    {
        addCustomer(QStringLiteral("100010"),
                    {{QStringLiteral("VORNAME"), QStringLiteral("Anna")}, {QStringLiteral("KM_ENTF"), 7}});
        addCustomer(QStringLiteral("100011"));
    }

    std::unique_ptr<TVorFuerForm> window()
    {
        return std::make_unique<TVorFuerForm>(
            *m_set, party(), *m_customers, ui(),
            [this](const QString& rNr, const QString& pNr) {
                guestWindowCalls << rNr + '/' + pNr;
                if (duringGuestWindow)
                    duringGuestWindow(rNr, pNr);
                return pNr;
            },
            kToday);
    }

    static void click(TVorFuerForm& form, const char* caption)
    {
        QPushButton* b = form.button(QString::fromUtf8(caption));
        ASSERT_TRUE(b) << caption;
        b->click();
    }

    static QStringList guestNumbers(const TVorFuerForm& form)
    {
        QStringList list;
        for (int row = 0; row < form.guestGrid()->rowCount(); ++row)
            list << form.guestGrid()->item(row, 0)->text();
        return list;
    }

    static void press(QWidget* target, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    QStringList guestWindowCalls;
    std::function<void(const QString& rNr, const QString& pNr)> duringGuestWindow;
};

TEST_F(PartyWindowTest, NewPartyThroughNumberAndPartyDialogOpensTheOrderEntryOnTheHost)
{
    auto form = window();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorführungsverwaltung"));
    EXPECT_EQ(form->partyModel()->rowCount(), 0);
    QString caption;
    whenModal<TR_NRChooser>([&](TR_NRChooser* chooser) {
        chooser->dateEdit()->setText(QStringLiteral("05.03.2025"));
        chooser->suffixEdit()->clear();
        QTest::keyClicks(chooser->suffixEdit(), QStringLiteral("B"));
        whenModal<TNewVorFForm>([&](TNewVorFForm* dialog) {
            caption = dialog->windowTitle();
            dialog->hostEdit()->setText(QStringLiteral("100010"));
            dialog->guestsEdit()->setText(QStringLiteral("6"));
            dialog->okClicked(true); // "&Bestelleingabe"
        });
        chooser->okClicked();
    });
    click(*form, "&Neu");
    EXPECT_EQ(caption, QStringLiteral("Neue Vorführung anlegen"));

    const auto h = party().header(QStringLiteral("050325B"));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->value(QStringLiteral("K_NR")).toString(), QStringLiteral("100010"));
    EXPECT_EQ(h->value(QStringLiteral("MWoche")).toString(), QStringLiteral("202510"));
    EXPECT_EQ(h->value(QStringLiteral("TWoche")).toString(), QStringLiteral("1"));
    EXPECT_EQ(h->value(QStringLiteral("GAESTE")).toInt(), 6);
    EXPECT_EQ(h->value(QStringLiteral("KM_EINFACH")).toInt(), 7);
    EXPECT_EQ(h->value(QStringLiteral("BZH_VF_NR")).toString(),
              TVorFuerModul::BZH_VF_NR(QDate(2025, 3, 5), QStringLiteral("B")));
    EXPECT_EQ(guestWindowCalls, QStringList{"050325B/01"});

    EXPECT_EQ(form->currentParty(), QStringLiteral("050325B"));
    EXPECT_EQ(guestNumbers(*form), QStringList{"01"});
    EXPECT_EQ(form->detail(QStringLiteral("K_NR"))->text(), QStringLiteral("100010"));
    EXPECT_EQ(form->detail(QStringLiteral("Name"))->text(), QStringLiteral("Kunde100010, Anna"));
    EXPECT_EQ(form->detail(QStringLiteral("GAESTE"))->text(), QStringLiteral("6"));
    EXPECT_EQ(form->partyModel()->data(form->partyModel()->index(0, 2), Qt::DisplayRole).toString(),
              QStringLiteral("2025/10"));
    // The guest window has closed on a party without VAG.
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Sie haben noch kein VAG eingegeben.")));
}

TEST_F(PartyWindowTest, CancelledDialogsLeaveNoParty)
{
    auto form = window();
    whenModal<TR_NRChooser>([](TR_NRChooser* chooser) { chooser->reject(); });
    click(*form, "&Neu");
    whenModal<TR_NRChooser>([](TR_NRChooser* chooser) {
        whenModal<TNewVorFForm>([](TNewVorFForm* dialog) { dialog->reject(); });
        chooser->dateEdit()->setText(QStringLiteral("05.03.2025"));
        QTest::keyClick(chooser->suffixEdit(), Qt::Key_Return);
    });
    // With no party at all "&Bearbeiten" creates one.
    click(*form, "&Bearbeiten");
    // "Datum ändern" to another week stores the new party; cancelling afterwards removes it again.
    whenModal<TR_NRChooser>([this](TR_NRChooser* chooser) {
        whenModal<TNewVorFForm>([this](TNewVorFForm* dialog) {
            ui().addDate(QDate(2025, 3, 19));
            dialog->changeDateClicked();
            EXPECT_TRUE(party().headerStored(QStringLiteral("050325A")));
            dialog->reject();
        });
        chooser->dateEdit()->setText(QStringLiteral("05.03.2025"));
        QTest::keyClick(chooser->suffixEdit(), Qt::Key_Return);
    });
    click(*form, "&Neu");
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toInt(), 0);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper")).toInt(), 0);
    EXPECT_EQ(form->partyModel()->rowCount(), 0);
    EXPECT_TRUE(guestWindowCalls.isEmpty());
}

TEST_F(PartyWindowTest, OpensInWeekOrderOnTheLastPartyAndSortsByTheBox)
{
    const QString late = makeParty(QDate(2025, 3, 10), QStringLiteral("100010"));
    const QString early = makeParty(QDate(2025, 3, 3), QStringLiteral("100011"));
    auto form = window();
    EXPECT_EQ(form->sortBox()->currentText(), QStringLiteral("Woche"));
    EXPECT_EQ(form->currentParty(), late);
    form->sortBox()->setCurrentText(QStringLiteral("K-Nr. der Gastgeberin"));
    EXPECT_EQ(form->partyModel()->parties().front().rNr, late);
    EXPECT_EQ(form->currentParty(), late) << "the selection stays on its party";
    form->selectParty(early);
    EXPECT_EQ(form->detail(QStringLiteral("K_NR"))->text(), QStringLiteral("100011"));

    // Tab moves between the two lists.
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->partyGrid()->setFocus();
    press(form->partyGrid(), Qt::Key_Tab);
    EXPECT_TRUE(form->guestGrid()->hasFocus());
    press(form->guestGrid(), Qt::Key_Tab);
    EXPECT_TRUE(form->partyGrid()->hasFocus());

    // Enter in the party list edits the selected party.
    QString caption, number;
    whenModal<TNewVorFForm>([&](TNewVorFForm* dialog) {
        caption = dialog->windowTitle();
        number = dialog->header().value(QStringLiteral("R_NR")).toString();
        dialog->reject();
    });
    press(form->partyGrid(), Qt::Key_Return);
    EXPECT_EQ(caption, QStringLiteral("Vorführung bearbeiten"));
    EXPECT_EQ(number, early);
}

// At the window's standard size both lists show every title and text whole, and the party list
// needs no scrolling sideways.
TEST_F(PartyWindowTest, ListsShowTheirTitlesWhole)
{
    const QString rNr = makeParty(QDate(2025, 3, 10), QStringLiteral("100010"));
    addGuest(rNr, QStringLiteral("100011"));
    auto form = window();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (QTableView* grid : {form->partyGrid(), static_cast<QTableView*>(form->guestGrid())}) {
        int width = 0;
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            const QString title = grid->model()->headerData(column, Qt::Horizontal).toString();
            EXPECT_LE(grid->horizontalHeader()->sectionSizeHint(column), grid->columnWidth(column))
                << title.toStdString();
            EXPECT_LE(static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column),
                      grid->columnWidth(column))
                << title.toStdString();
            width += grid->columnWidth(column);
        }
        EXPECT_LE(width, grid->viewport()->width());
    }
}

TEST_F(PartyWindowTest, DateChangeMovesThePartyToTheNextPartWeekOfTheNewWeek)
{
    makeParty(QDate(2025, 3, 17), QStringLiteral("100011")); // week 2025/12, part-week 1
    const QString rNr = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    addGuest(rNr, QStringLiteral("100011"));
    auto form = window();
    ASSERT_TRUE(form->selectParty(rNr));
    QString shownWeek, shownPartWeek;
    whenModal<TNewVorFForm>([&](TNewVorFForm* dialog) {
        ui().addDate(QDate(2025, 3, 19));
        dialog->changeDateClicked();
        shownWeek = dialog->yearEdit()->text() + '/' + dialog->weekEdit()->text();
        shownPartWeek = dialog->value(QStringLiteral("TWoche"))->text();
        dialog->okClicked();
    });
    click(*form, "&Bearbeiten");
    EXPECT_EQ(shownWeek, QStringLiteral("2025/12"));
    EXPECT_EQ(shownPartWeek, QStringLiteral("2"));
    const auto h = party().header(rNr);
    ASSERT_TRUE(h) << "the number stays";
    EXPECT_EQ(h->value(QStringLiteral("DATUM")).toDate(), QDate(2025, 3, 19));
    EXPECT_EQ(h->value(QStringLiteral("MWoche")).toString(), QStringLiteral("202512"));
    EXPECT_EQ(h->value(QStringLiteral("TWoche")).toString(), QStringLiteral("2"));
    for (const auto& p : party().participants(rNr)) {
        EXPECT_EQ(p.value(QStringLiteral("DATUM")).toDate(), QDate(2025, 3, 19));
        EXPECT_EQ(p.value(QStringLiteral("MWoche")).toString(), QStringLiteral("202512"));
        EXPECT_EQ(p.value(QStringLiteral("TWoche")).toString(), QStringLiteral("2"));
    }
    EXPECT_EQ(form->currentParty(), rNr);
}

TEST_F(PartyWindowTest, GuestButtonsOpenTheGuestWindowOnTheRightParticipant)
{
    auto form = window();
    click(*form, "Gast N&eu");
    click(*form, "Be&arbeiten");
    EXPECT_EQ(ui().shownTexts(), (QStringList{TVorFuerForm::kNoParticipant, TVorFuerForm::kNoParticipant}));
    EXPECT_TRUE(guestWindowCalls.isEmpty());

    const QString rNr = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    makeParty(QDate(2025, 3, 6), QStringLiteral("100011"));
    form = window();
    ASSERT_TRUE(form->selectParty(rNr));
    click(*form, "Gast N&eu");
    click(*form, "Gast N&eu");
    EXPECT_EQ(guestWindowCalls, (QStringList{rNr + "/02", rNr + "/03"}));
    EXPECT_EQ(guestNumbers(*form), (QStringList{"01", "02", "03"}));
    EXPECT_EQ(form->currentGuest(), QStringLiteral("03"));
    const auto guest = party().participant(rNr, QStringLiteral("03"));
    ASSERT_TRUE(guest);
    EXPECT_EQ(guest->value(QStringLiteral("MWoche")).toString(), QStringLiteral("202510"));

    // What the guest window entered shows in both lists when it has closed.
    addArticle(QStringLiteral("1234"), QStringLiteral("10"), 12.5);
    duringGuestWindow = [this](const QString& r, const QString& p) {
        EXPECT_EQ(enter(r, p, QStringLiteral("1234"), QStringLiteral("10"), 2),
                  GuestLineRules::SaveResult::Saved);
    };
    form->selectGuest(QStringLiteral("02"));
    emit form->guestGrid()->cellDoubleClicked(1, 1);
    duringGuestWindow = nullptr;
    EXPECT_EQ(form->guestGrid()->item(1, 2)->text(), QStringLiteral("25,00"));
    EXPECT_EQ(form->partyModel()
                  ->data(form->partyModel()->index(form->partyModel()->rowOf(rNr), 4), Qt::DisplayRole)
                  .toString(),
              QStringLiteral("25,00"));
    EXPECT_EQ(form->currentGuest(), QStringLiteral("02"));
    press(form->guestGrid(), Qt::Key_Return);
    EXPECT_EQ(guestWindowCalls.mid(2), (QStringList{rNr + "/02", rNr + "/02"}));
}

TEST_F(PartyWindowTest, DeletingGuestsAndParties)
{
    const QString rNr = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    addGuest(rNr, QStringLiteral("100011"));
    const QString other = makeParty(QDate(2025, 3, 6), QStringLiteral("100011"));
    auto form = window();
    ASSERT_TRUE(form->selectParty(rNr));

    form->selectGuest(QStringLiteral("01"));
    click(*form, "L&öschen");
    EXPECT_EQ(ui().shownTexts().last(), QStringLiteral("Die Gastgeberin kann nicht gelöscht werden"));
    form->selectGuest(QStringLiteral("02"));
    click(*form, "L&öschen"); // no answer: cancelled
    EXPECT_EQ(guestNumbers(*form), (QStringList{"01", "02"}));
    ui().addAnswer(UiPort::Answer::Ok);
    click(*form, "L&öschen");
    EXPECT_EQ(ui().shownTexts().last(), QStringLiteral("Gast wirklich löschen ?"));
    EXPECT_EQ(guestNumbers(*form), QStringList{"01"});
    EXPECT_FALSE(party().participant(rNr, QStringLiteral("02")));

    ui().addAnswer(UiPort::Answer::Ok);
    click(*form, "&Löschen");
    EXPECT_EQ(ui().shownTexts().last(), QStringLiteral("Vorführung wirklich löschen ?"));
    EXPECT_FALSE(party().headerStored(rNr));
    EXPECT_TRUE(party().participants(rNr).empty());
    EXPECT_EQ(form->currentParty(), other);
    EXPECT_TRUE(party().headerStored(other));
}

TEST_F(PartyWindowTest, StarBoxAndGuestCountBlinkWhileTheirWarningHolds)
{
    const QString spent = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    const QString fine = makeParty(QDate(2025, 3, 6), QStringLiteral("100011"));
    db().run(QStringLiteral("UPDATE Tuppkopf SET STERNE = 5, UM_STERNE = 0, GAESTE = 0 WHERE R_NR = ?"),
             {spent});
    db().run(QStringLiteral("UPDATE Tuppkopf SET STERNE = 0, GAESTE = 4 WHERE R_NR = ?"), {fine});
    auto form = window();
    EXPECT_TRUE(form->blinkTimer()->isActive());
    EXPECT_EQ(form->blinkTimer()->interval(), 1000);
    ASSERT_TRUE(form->selectParty(spent));
    EXPECT_EQ(form->detail(QStringLiteral("STERNE"))->text(), QStringLiteral("5"));
    EXPECT_EQ(form->detail(QStringLiteral("MSterne"))->text(), QStringLiteral("0"));
    QList<bool> stars, guests;
    for (int beat = 0; beat < 4; ++beat) {
        form->blink();
        stars << form->starBoxRed();
        guests << form->guestCountRed();
        if (form->starBoxRed())
            EXPECT_EQ(form->starBoxColour(), QColor(Qt::red));
        else
            EXPECT_NE(form->starBoxColour(), QColor(Qt::red));
    }
    EXPECT_EQ(stars.count(true), 2);
    EXPECT_NE(stars[0], stars[1]);
    EXPECT_EQ(guests, stars);
    EXPECT_EQ(form->guestCountColour() == QColor(Qt::red), form->guestCountRed());

    ASSERT_TRUE(form->selectParty(fine));
    for (int beat = 0; beat < 2; ++beat) {
        form->blink();
        EXPECT_FALSE(form->starBoxRed());
        EXPECT_FALSE(form->guestCountRed());
        EXPECT_NE(form->starBoxColour(), QColor(Qt::red));
    }
}

TEST_F(PartyWindowTest, OverviewAsksForTheWeeksOfTheSelectedParty)
{
    const QString rNr = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    auto form = window();
    ASSERT_TRUE(form->selectParty(rNr));
    QString from, to;
    bool previewed = false;
    whenModal<TWeekRangeForm>([&](TWeekRangeForm* range) {
        from = range->fromEdit()->text();
        to = range->toEdit()->text();
        whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            previewed = true;
            preview->reject();
        });
        range->accept();
    });
    click(*form, "&Übersicht");
    EXPECT_EQ(from, QStringLiteral("202510"));
    EXPECT_EQ(to, QStringLiteral("202553"));
    EXPECT_TRUE(previewed);
}

// Each list button previews its report of the selected party, "E&inzelblatt" the sheet of the
// selected participant; the button is disabled while its report is made and shown.
TEST_F(PartyWindowTest, ListButtonsPreviewTheirReportsOfTheSelection)
{
    {
        auto empty = window();
        click(*empty, "Tup&p-Börse");
        EXPECT_EQ(ui().shownTexts().value(ui().shownTexts().size() - 1), TVorFuerForm::kNoParticipant);
    }
    const QString rNr = makeParty(QDate(2025, 3, 5), QStringLiteral("100010"));
    const QString guest = addGuest(rNr, QStringLiteral("100011"));
    auto form = window();
    ASSERT_TRUE(form->selectParty(rNr));
    ASSERT_TRUE(form->selectGuest(guest));
    struct Case
    {
        const char* caption;
        const char* title;
    };
    const std::vector<Case> cases{
        {"Liste (pro &Gast)", "Auslieferungsliste pro Gast"},
        {"Liste (&Einzelblätter)", "Einzelgastbestellung"},
        {"Gas&tgeb.-Liste", "Gastgeberin-Liste"},
        {"Tup&p-Börse", "Tupper-Börse"},
        {"Tupp-Gästeliste", "Gästeliste"},
        {"KLV-G&ästeliste", "KLV-Gästeliste"},
        {"&Sterneliste", "Zusätzliche Sterne"},
        {"E&inzelblatt", "Einzelgastbestellung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        QPushButton* button = form->button(QString::fromUtf8(c.caption));
        ASSERT_TRUE(button);
        QString title;
        bool enabledMeanwhile = true;
        whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            title = preview->windowTitle();
            enabledMeanwhile = button->isEnabled();
            preview->reject();
        });
        button->click();
        EXPECT_EQ(title, QString::fromUtf8(c.title));
        EXPECT_FALSE(enabledMeanwhile);
        EXPECT_TRUE(button->isEnabled());
    }
    for (const TVorFuerForm::ListButton& list : TVorFuerForm::listButtons())
        EXPECT_EQ(list.forGuest, QString::fromUtf8(list.caption) == QStringLiteral("E&inzelblatt"))
            << list.caption;
}

} // namespace

} // namespace korbelant::test
