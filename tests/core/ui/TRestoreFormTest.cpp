#include "core/ui/TRestoreForm.h"

#include "core/BackupRestore.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "core/VerifiedBackup.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class RestoreFormTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<DataSet> set = DataSet::open(home.home());

    QString consultantName()
    {
        return set->db().scalar(QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR = '100001'")).toString();
    }
    void backUp(const QDate& day, const QString& name)
    {
        set->db().run(QStringLiteral("UPDATE Kunden SET NAME = ? WHERE K_NR = '100001'"), {name});
        ASSERT_TRUE(VerifiedBackup(set->db(), home.home()).make(day, nullptr));
    }
};

// The list shows every kept backup with its day and size, newest first; the chosen row is restored
// after Yes, and the window closes.
TEST_F(RestoreFormTest, ListsAndRestoresTheChosenBackup)
{
    backUp(QDate(2025, 12, 1), QStringLiteral("Erste"));
    backUp(QDate(2025, 12, 8), QStringLiteral("Zweite"));
    set->db().run(QStringLiteral("UPDATE Kunden SET NAME = 'Jetzt' WHERE K_NR = '100001'"));

    ScriptedUi ui({UiPort::Answer::Yes});
    TRestoreForm form(*set, ui);
    form.show();
    auto* list = form.findChild<QTableWidget*>(QStringLiteral("BackupList"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("08.12.2025"));
    EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("01.12.2025"));
    EXPECT_TRUE(list->item(0, 1)->text().endsWith(QStringLiteral(" MB")))
        << list->item(0, 1)->text().toStdString();
    EXPECT_EQ(list->currentRow(), 0);

    list->selectRow(1);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("RestoreButton")), Qt::LeftButton);
    EXPECT_EQ(form.outcome(), BackupRestore::Outcome::Restored);
    EXPECT_TRUE(ui.wasShown(BackupRestore::question(QDate(2025, 12, 1))));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(consultantName(), QStringLiteral("Erste"));
}

// No keeps the window open and the data set as it is; without backups there is nothing to choose.
TEST_F(RestoreFormTest, NoAnswerAndNoBackups)
{
    {
        ScriptedUi ui;
        TRestoreForm form(*set, ui);
        form.show();
        EXPECT_EQ(form.findChild<QTableWidget*>(QStringLiteral("BackupList"))->rowCount(), 0);
        EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("RestoreButton"))->isEnabled());
    }
    backUp(QDate(2025, 12, 1), QStringLiteral("Erste"));
    set->db().run(QStringLiteral("UPDATE Kunden SET NAME = 'Jetzt' WHERE K_NR = '100001'"));
    ScriptedUi ui({UiPort::Answer::No});
    TRestoreForm form(*set, ui);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("RestoreButton")), Qt::LeftButton);
    EXPECT_EQ(form.outcome(), BackupRestore::Outcome::Cancelled);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(consultantName(), QStringLiteral("Jetzt"));
}

} // namespace
} // namespace korbelant
