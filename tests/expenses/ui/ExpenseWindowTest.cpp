#include "core/Database.h"
#include "expenses/ui/TAusgabeNeuForm.h"
#include "expenses/ui/TRAbrechForm.h"
#include "expenses/ui/TSonstAusgabenForm.h"
#include "reports/ReportDocument.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"
#include "widgets/DateField.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ExpenseWindowTest : public DataSetFixture
{
};

TEST_F(ExpenseWindowTest, NewEditDeleteAndTheYear)
{
    TSonstAusgabenForm form(*m_set, ui());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vorlix-Soft Korbelant Ausgabenverwaltung"));
    EXPECT_EQ(form.yearEdit()->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("Neu"))->toolTip(),
              QStringLiteral("Neue Ausgabe anlegen"));

    int starting = 0;
    form.setEditor([&](Expense& e) {
        starting = e.LAUFZEIT;
        e.AUSDATUM = QDate(2001, 9, 1);
        e.ATEXT = QStringLiteral("Schreibtisch");
        e.LAUFZEIT = 4;
        e.BETRAG = 1000;
        return true;
    });
    form.newExpense();
    EXPECT_EQ(starting, 1);
    ASSERT_EQ(form.grid()->rowCount(), 1);
    EXPECT_EQ(form.grid()->item(0, 0)->text(), QStringLiteral("01.09.2001"));
    EXPECT_EQ(form.grid()->item(0, 3)->text(), QStringLiteral("1000,00"));
    form.yearEdit()->setText(QStringLiteral("2001"));
    EXPECT_EQ(form.expenses().front().depreciation.RestLStr, QStringLiteral("3,5"));

    form.setEditor([](Expense&) { return false; }); // "Abbrechen"
    form.newExpense();
    EXPECT_EQ(form.grid()->rowCount(), 1) << "a cancelled new purchase is not kept";

    form.setEditor([](Expense& e) {
        e.LAUFZEIT = 2;
        return true;
    });
    form.selectRow(0);
    form.editExpense();
    EXPECT_EQ(form.grid()->item(0, 2)->text(), QStringLiteral("2"));

    form.deleteExpense(); // no answer: No
    EXPECT_EQ(form.grid()->rowCount(), 1);
    ui().addAnswer(UiPort::Answer::Yes);
    form.deleteExpense();
    EXPECT_EQ(form.grid()->rowCount(), 0);
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Wollen Sie die Ausgaben löschen ?")));
}

TEST_F(ExpenseWindowTest, DialogTakesTheEntries)
{
    Expense e;
    TAusgabeNeuForm dialog(e, ui());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ausgabe bearbeiten"));
    EXPECT_EQ(dialog.termEdit()->value(), 1);
    dialog.dateField()->setDate(QDate(2003, 10, 2));
    dialog.textEdit()->setText(QStringLiteral("Regal"));
    dialog.termEdit()->setValue(3);
    dialog.amountEdit()->setText(QStringLiteral("zwölf"));
    EXPECT_FALSE(dialog.takeEntries());
    EXPECT_TRUE(ui().wasShown(TAusgabeNeuForm::kBadAmount));
    dialog.amountEdit()->setText(QStringLiteral("1.234,50"));
    ASSERT_TRUE(dialog.takeEntries());
    EXPECT_EQ(dialog.expense().AUSDATUM, QDate(2003, 10, 2));
    EXPECT_DOUBLE_EQ(dialog.expense().BETRAG, 1234.5);
    EXPECT_EQ(dialog.expense().LAUFZEIT, 3);
}

TEST_F(ExpenseWindowTest, TravelAccountDialog)
{
    CustomerBuilder(QStringLiteral("200001")).name(QStringLiteral("Meier")).insertInto(db());
    PartyBuilder(QStringLiteral("0001"))
        .host(QStringLiteral("200001"))
        .with(QStringLiteral("KM_EINFACH"), 12)
        .with(QStringLiteral("DATUM"), QDate(2001, 3, 10))
        .insertInto(db());
    TRAbrechForm form(*m_set, ui());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Reiseabrechnung"));
    EXPECT_EQ(form.dbfBox()->text(), QStringLiteral("Ausgabedatei 'Reisetemp.dbf' erstellen"));
    ReportDocument shown;
    form.setReportShower([&](const ReportDocument& doc) { shown = doc; });

    EXPECT_FALSE(form.makeAccount());
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Von-Datum ist ungültig.")));

    form.fromField()->setDate(QDate(2001, 3, 1));
    form.toField()->setDate(QDate(2001, 3, 31));
    form.dbfBox()->setChecked(true);
    ASSERT_TRUE(form.makeAccount());
    EXPECT_EQ(shown.title, QStringLiteral("Reiseabrechnung"));
    EXPECT_EQ(shown.subtitle, QStringLiteral("von 01.03.2001 bis 31.03.2001"));
    ASSERT_EQ(shown.sections.front().rowCount(), 1);
    EXPECT_DOUBLE_EQ(shown.sections.front().total(3), 7.2);
    EXPECT_TRUE(QFile::exists(m_home.home().dbDir() + QStringLiteral("/ReiseTemp.dbf")));
}

} // namespace

} // namespace korbelant::test
