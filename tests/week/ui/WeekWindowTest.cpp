#include "core/MWocheFields.h"
#include "expenses/ui/TSatzArt.h"
#include "parties/ui/NextModal.h"
#include "parties/ui/TNachliefForm.h"
#include "support/PartyModuleFixture.h"
#include "week/TWocheDataModul.h"
#include "week/WeekRequestItems.h"
#include "week/ui/TDruckSAChange.h"
#include "week/ui/TWeekRForm.h"
#include "week/ui/TWeekRLeereWoche.h"
#include "week/ui/WeekPartWeeksTab.h"
#include "week/ui/WeekPrintTab.h"
#include "week/ui/WeekPrintedMatterTab.h"
#include "week/ui/WeekRecordBinder.h"
#include "week/ui/WeekRequestTab.h"
#include "week/ui/WeekSuccessTab.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace korbelant::test {

namespace {

const QString kWeek = QStringLiteral("202604");

QColor background(QTableWidget* grid, int row)
{
    return grid->item(row, 0)->data(Qt::BackgroundRole).value<QColor>();
}

} // namespace

class WeekWindowTest : public PartyModuleFixture
{
protected:
    WeekWindowTest()
    {
        addCustomer(QStringLiteral("200001"), {{QStringLiteral("NAME"), QStringLiteral("Brandt")},
                                               {QStringLiteral("VORNAME"), QStringLiteral("Ute")}});
        for (int day : {20, 21, 22, 23})
            makeParty(QDate(2026, 1, day), QStringLiteral("200001"));
        db().run(QStringLiteral("INSERT INTO MWoche (MWoche, DR_20) VALUES ('202550', 2)"));
        db().run(QStringLiteral("UPDATE MWoche SET DR_20 = 2 WHERE MWoche = ?"), {kWeek});
    }

    std::unique_ptr<TWeekRForm> open()
    {
        auto form = std::make_unique<TWeekRForm>(*m_set, m_week, ui(), QStringLiteral("Korbelant"));
        form->show();
        return form;
    }
    QVariant stored(const QString& field)
    {
        return db().scalar(QStringLiteral("SELECT %1 FROM MWoche WHERE MWoche = ?").arg(field), {kWeek});
    }
    QString marked()
    {
        const auto& range = m_week.marked();
        return range.isEmpty() ? QStringLiteral("-") : range.start + QStringLiteral("..") + range.end;
    }

    TWocheDataModul m_week{db(), options(), ui()};
};

TEST_F(WeekWindowTest, OpensOnTheLastWeekWithCaptionListAndTabs)
{
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlix-Soft - Korbelant - Wochenverwaltung"));
    EXPECT_EQ(form->weekShown(), QStringLiteral("2026/04"));
    QStringList weeks;
    for (int i = 0; i < form->weekList()->count(); ++i)
        weeks << form->weekList()->item(i)->text();
    EXPECT_EQ(weeks, (QStringList{QStringLiteral("2025/50"), QStringLiteral("2026/04")}));
    QStringList tabs;
    for (int i = 0; i < form->tabs()->count(); ++i)
        tabs << form->tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Teilwochen", "Erfolgsübersicht", "Fahrkosten", "Drucksachenbestellung",
                                 "Anforderungen/Posten", "Drucken"}));
    EXPECT_EQ(form->partWeeksTab()->sumsGrid()->rowCount(), 4);
    EXPECT_EQ(form->partWeekShown(), QStringLiteral("1"));
    EXPECT_EQ(form->partWeeksTab()->partyGrid()->rowCount(), 0) << "nothing is marked on opening";
    EXPECT_EQ(form->printTab()->state(1)->text(), QStringLiteral("noch nicht gedruckt"));

    form->nextPartWeek();
    form->nextPartWeek();
    EXPECT_EQ(form->partWeekShown(), QStringLiteral("3"));
    EXPECT_EQ(form->successTab()->sum(QStringLiteral("S_VERABRED"))->text(), QStringLiteral("0"));
    form->previousPartWeek();
    EXPECT_EQ(form->partWeekShown(), QStringLiteral("2"));

    form->weekList()->setCurrentRow(0);
    EXPECT_EQ(form->weekShown(), QStringLiteral("2025/50"));
    EXPECT_EQ(form->partWeeksTab()->sumsGrid()->rowCount(), 0);
    EXPECT_TRUE(form->requestTab()->showsNote());
}

TEST_F(WeekWindowTest, DoubleClicksMarkPartWeeksGreenAndFillThePartyGrid)
{
    auto form = open();
    QTableWidget* sums = form->partWeeksTab()->sumsGrid();
    QStringList seen;
    for (int row : {1, 3, 0, 3, 0, 2, 1}) {
        emit sums->cellDoubleClicked(row, 0);
        seen << marked();
    }
    // 2 -> 2..2, 4 -> 2..4, 1 -> 1..4, 4 -> 1..3, 1 -> 2..3, 3 -> 2..2, 2 -> unmarked.
    EXPECT_EQ(seen, (QStringList{"2..2", "2..4", "1..4", "1..3", "2..3", "2..2", "-"}));

    emit sums->cellDoubleClicked(1, 0);
    emit sums->cellDoubleClicked(2, 0);
    EXPECT_EQ(form->partWeeksTab()->partyGrid()->rowCount(), 2);
    EXPECT_FALSE(background(sums, 0).isValid());
    EXPECT_TRUE(background(sums, 1).isValid());
    EXPECT_TRUE(background(sums, 2).isValid());
    EXPECT_EQ(form->partWeeksTab()->partyGrid()->item(0, 1)->text(), QStringLiteral("Brandt, Ute"));
}

TEST_F(WeekWindowTest, SuccessFieldsTripsAndPrintedMatterAreStored)
{
    auto form = open();
    WeekRecordBinder& fields = form->fields();
    auto* spin = form->findChild<SpinEdit*>(QStringLiteral("VORFUEHR_2Spin"));
    ASSERT_TRUE(spin);
    emit spin->spun(true);
    emit spin->spun(true);
    EXPECT_EQ(stored(QStringLiteral("VORFUEHR_2")).toInt(), 2) << "a spin stores at once";
    EXPECT_EQ(fields.edit(QStringLiteral("VORFUEHR_2"))->text(), QStringLiteral("2"));

    fields.edit(MWocheFields::Start_NAME)->setText(QStringLiteral("Kranz"));
    fields.edit(MWocheFields::Start_VF)->setText(QStringLiteral("123,50"));
    fields.edit(MWocheFields::A_ZEIT)->setText(QStringLiteral("09:30"));
    fields.edit(QStringLiteral("FTEXT1"))->setText(QStringLiteral("Fahrt zum Bezirkshändler"));
    fields.edit(QStringLiteral("FKM1"))->setText(QStringLiteral("42"));
    fields.edit(QStringLiteral("DR_3"))->setText(QStringLiteral("5"));
    ui().addDate(QDate(2026, 1, 24));
    form->findChild<QPushButton*>(QStringLiteral("FDATUM1Button"))->click();
    EXPECT_EQ(stored(QStringLiteral("FDATUM1")).toString(), QStringLiteral("2026-01-24"));
    EXPECT_EQ(fields.edit(QStringLiteral("FDATUM1"))->text(), QStringLiteral("24.01.2026"));

    // A count that is no number is refused and the stored value kept.
    fields.edit(QStringLiteral("REK_BESUCH"))->setText(QStringLiteral("x1"));
    fields.commit();
    EXPECT_TRUE(ui().wasShown(QStringLiteral("\"x1\" ist hier keine gültige Eingabe.")));
    EXPECT_EQ(fields.edit(QStringLiteral("REK_BESUCH"))->text(), QStringLiteral("0"));

    form->findChild<QToolButton*>(QStringLiteral("Verlassen"))->click();
    EXPECT_EQ(stored(MWocheFields::Start_NAME).toString(), QStringLiteral("Kranz"));
    EXPECT_DOUBLE_EQ(stored(MWocheFields::Start_VF).toDouble(), 123.5);
    EXPECT_EQ(stored(MWocheFields::A_ZEIT).toString().left(5), QStringLiteral("09:30"));
    EXPECT_EQ(stored(QStringLiteral("FTEXT1")).toString(), QStringLiteral("Fahrt zum Bezirkshändler"));
    EXPECT_EQ(stored(QStringLiteral("FKM1")).toInt(), 42);
    EXPECT_EQ(stored(QStringLiteral("DR_3")).toInt(), 5);
    EXPECT_EQ(stored(QStringLiteral("REK_BESUCH")).toInt(), 0);
}

TEST_F(WeekWindowTest, EnterMovesToTheNextFieldAndTakesTheEntry)
{
    auto form = open();
    form->tabs()->setCurrentWidget(form->successTab());
    QLineEdit* name = form->fields().edit(MWocheFields::Start_NAME);
    name->setFocus();
    name->setText(QStringLiteral("Lenz"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), name);
    EXPECT_EQ(m_week.field(MWocheFields::Start_NAME).toString(), QStringLiteral("Lenz"));
}

TEST_F(WeekWindowTest, TripRateComesFromTheRateChooser)
{
    db().run(QStringLiteral("INSERT INTO ReiseSatz (VERPF_SATZ, VERPF_TEXT, VERPF_DM, KM_DM) VALUES "
                            "('A1', 'Ganztags', 24, 0.3), ('B2', 'Halbtags', 12, 0.3)"));
    auto form = open();
    whenModal<TSatzArt>([](TSatzArt* chooser) {
        chooser->selectCode(QStringLiteral("B2"));
        chooser->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
    });
    form->findChild<QPushButton*>(QStringLiteral("FVERPFLEG3Button"))->click();
    EXPECT_EQ(stored(QStringLiteral("FVERPFLEG3")).toString(), QStringLiteral("B2"));
    EXPECT_EQ(form->fields().edit(QStringLiteral("FVERPFLEG3"))->text(), QStringLiteral("B2"));

    // A rate edited in the chooser is stored with Ok; Abbrechen returns nothing.
    TSatzArt chooser(db(), ui());
    auto* grid = chooser.findChild<QTableWidget*>(QStringLiteral("Saetze"));
    const auto rowOf = [grid](const QString& code) {
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (grid->item(r, 0)->text() == code)
                return r;
        }
        return -1;
    };
    ASSERT_GE(rowOf(QStringLiteral("A1")), 0);
    grid->item(rowOf(QStringLiteral("A1")), 2)->setText(QStringLiteral("28,00"));
    EXPECT_TRUE(chooser.storeChanges());
    EXPECT_DOUBLE_EQ(
        db().scalar(QStringLiteral("SELECT VERPF_DM FROM ReiseSatz WHERE VERPF_SATZ = 'A1'")).toDouble(),
        28.0);
    grid->item(rowOf(QStringLiteral("B2")), 3)->setText(QStringLiteral("viel"));
    EXPECT_FALSE(chooser.storeChanges());
    EXPECT_TRUE(ui().wasShown(QStringLiteral("\"viel\" ist kein gültiger Betrag.")));
}

TEST_F(WeekWindowTest, PrintedMatterNamesAreEditedAfterTheQuestion)
{
    db().run(QStringLiteral("DELETE FROM Drucksa"));
    db().run(QStringLiteral("INSERT INTO Drucksa (NUMMER, ART_TEXT) VALUES ('01', 'Einladungskarten')"));
    auto form = open();
    WeekPrintedMatterTab* tab = form->printedMatterTab();
    EXPECT_EQ(tab->label(1)->text(), QStringLiteral("Einladungskarten"));
    EXPECT_EQ(tab->label(2)->text(), QStringLiteral("02. .........................................:"));

    tab->editName(2);
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Die Drucksacheninformation ist ungültig")));

    ui().addAnswer(UiPort::Answer::Yes);
    whenModal<TDruckSAChange>([](TDruckSAChange* editor) {
        auto* name = editor->findChild<QLineEdit*>(QStringLiteral("ART_TEXT"));
        name->setText(QStringLiteral("Prospekte"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    tab->editName(1);
    EXPECT_EQ(tab->label(1)->text(), QStringLiteral("Prospekte"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT ART_TEXT FROM Drucksa WHERE NUMMER = '01'")).toString(),
              QStringLiteral("Prospekte"));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(tab->row(4), &enter);
    EXPECT_EQ(tab->row(4)->frameShape(), QFrame::Box);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tab->row(4), &leave);
    EXPECT_EQ(tab->row(4)->frameShape(), QFrame::NoFrame);
}

TEST_F(WeekWindowTest, RequestItemsSpinUpToTheirMaximum)
{
    db().run(QStringLiteral("INSERT INTO anforderungen (MWOCHE, Kodierung, Bezeichnung, Menge, Max) "
                            "VALUES (?, 'K1', 'Kataloge', 2, 3)"),
             {kWeek});
    auto form = open();
    WeekRequestTab* tab = form->requestTab();
    EXPECT_FALSE(tab->showsNote());
    for (int i = 0; i < 3; ++i)
        emit tab->quantity()->spun(true);
    EXPECT_EQ(tab->quantity()->edit()->text(), QStringLiteral("3"));
    EXPECT_EQ(tab->grid()->item(0, 3)->text(), QStringLiteral("3"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT Menge FROM anforderungen WHERE Kodierung = 'K1'")).toInt(),
              3);
}

TEST_F(WeekWindowTest, NewAndDeletedWeeksThroughTheToolBar)
{
    auto form = open();
    ui().addAnswer(UiPort::Answer::Ok);
    whenModal<TWeekRLeereWoche>([](TWeekRLeereWoche* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Jahr"))->setText(QStringLiteral("2026"));
        dialog->findChild<QLineEdit*>(QStringLiteral("Woche"))->setText(QStringLiteral("07"));
        dialog->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
    });
    form->newWeek();
    EXPECT_EQ(form->weekShown(), QStringLiteral("2026/07"));
    EXPECT_EQ(form->weekList()->count(), 3);
    EXPECT_EQ(form->printTab()->state(3)->text(), QStringLiteral("noch nicht gedruckt"));

    ui().addAnswer(UiPort::Answer::Ok);
    form->deleteWeek();
    EXPECT_EQ(form->weekList()->count(), 2);
    EXPECT_EQ(form->weekShown(), QStringLiteral("2026/04"));

    form->deleteWeek();
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Sie können nur eine leere Woche löschen.")));
    EXPECT_EQ(form->weekList()->count(), 2);

    // "&Nachlieferungen" opens the back-order window on the week shown.
    QString openedOn;
    whenModal<TNachliefForm>([&](TNachliefForm* window) {
        openedOn = window->yearEdit()->text() + window->weekEdit()->text();
        window->reject();
    });
    form->findChild<QToolButton*>(QStringLiteral("Nachlieferungen"))->click();
    EXPECT_EQ(openedOn, QStringLiteral("202604"));
}

TEST_F(WeekWindowTest, PrintTabKeepsTheOrderListChoiceInTheOptions)
{
    auto form = open();
    WeekPrintTab* tab = form->printTab();
    const bool before = tab->twToggle()->isChecked();
    tab->twToggle()->click();
    EXPECT_EQ(options().checked(QStringLiteral("TWZ")), before) << "TWZ checked means the toggle is off";
    tab->twToggle()->click();
    EXPECT_EQ(options().checked(QStringLiteral("TWZ")), !before);
}

} // namespace korbelant::test
