#include "customers/ui/TSimpleFilterForm.h"

#include "support/CustomerStoreFixture.h"
#include "widgets/TMaskedDateEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TSimpleFilterFormTest : public CustomerStoreFixture
{
protected:
    TSimpleFilterFormTest() : form(store) {}
    TSimpleFilterForm form;
};

} // namespace

TEST_F(TSimpleFilterFormTest, EntriesBecomeTheFilterFields)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Filter festlegen"));
    form.edit("Name_Min")->setText("O'Brien");
    form.edit("PLZ_min")->setText("35037");
    form.dateEdit("GB_MIN")->setDate(QDate(2000, 12, 1));
    form.checkBox("CheckBox_BZHWARKV")->setChecked(true);
    form.guestTypes()->button(5)->click(); // "Gastgeber"
    const CustomerFilter f = form.filter();
    EXPECT_EQ(f.value("Name_Min"), QStringLiteral("O'Brien"));
    EXPECT_EQ(f.value("PLZ_min"), QStringLiteral("35037"));
    EXPECT_EQ(f.value("GB_MIN"), QStringLiteral("01.12.2000"));
    EXPECT_TRUE(f.checked("CheckBox_BZHWARKV"));
    EXPECT_EQ(f.value("GTE"), QStringLiteral("J"));
}

TEST_F(TSimpleFilterFormTest, ResetEmptiesEverythingButTheContactMode)
{
    form.edit("BEdit")->setText("Rabatt");
    form.dateEdit("WV_MAX")->setDate(QDate(2026, 1, 1));
    form.checkBox("CheckBox_WARINBZH")->setChecked(true);
    form.guestTypes()->button(5)->click();
    form.setContactPerMedium(true);
    form.resetFilter();
    EXPECT_TRUE(form.edit("BEdit")->text().isEmpty());
    EXPECT_TRUE(form.dateEdit("WV_MAX")->dateText().isEmpty());
    EXPECT_FALSE(form.checkBox("CheckBox_WARINBZH")->isChecked());
    EXPECT_TRUE(form.guestTypeCode().isEmpty());
    EXPECT_TRUE(form.guestTypes()->button(0)->isChecked());
    EXPECT_TRUE(form.perMediumContactButton()->isChecked());
}

TEST_F(TSimpleFilterFormTest, ContactModeDisablesWithoutClearing)
{
    form.dateEdit("NewDateEdit_LetzterLontaktVON")->setDate(QDate(2026, 1, 1));
    form.perMediumContactButton()->click();
    EXPECT_FALSE(form.dateEdit("NewDateEdit_LetzterLontaktVON")->isEnabled());
    EXPECT_FALSE(form.calendarButton("NewDateEdit_LetzterLontaktVON")->isEnabled());
    EXPECT_TRUE(form.dateEdit("NewDateEdit_LetzterLontakt_TEL_VON")->isEnabled());
    EXPECT_TRUE(form.filter().contactPerMedium());
    form.generalContactButton()->click();
    EXPECT_TRUE(form.dateEdit("NewDateEdit_LetzterLontaktVON")->isEnabled());
    EXPECT_EQ(form.dateEdit("NewDateEdit_LetzterLontaktVON")->dateText(), QStringLiteral("01.01.2026"));
}

TEST_F(TSimpleFilterFormTest, CalendarButtonSetsOrEmptiesTheField)
{
    ui.addDate(QDate(2026, 2, 3));
    form.calendarButton("NV_min")->click();
    EXPECT_EQ(form.dateEdit("NV_min")->dateText(), QStringLiteral("03.02.2026"));
    form.calendarButton("NV_min")->click(); // cancelled
    EXPECT_TRUE(form.dateEdit("NV_min")->dateText().isEmpty());
}

} // namespace korbelant::test
