#include "core/ui/TResetForm.h"

#include "core/DataReset.h"
#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class ResetFormTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<DataSet> set = DataSet::open(home.home());
    ScriptedUi ui;

    void SetUp() override
    {
        Database& db = set->db();
        db.insert(Schema::get(QStringLiteral("Kunden")),
                  {{QStringLiteral("K_NR"), QStringLiteral("100002")},
                   {QStringLiteral("NAME"), QStringLiteral("Kundin")}});
        db.insert(Schema::get(QStringLiteral("km")), {{QStringLiteral("PLZ"), QStringLiteral("12345")},
                                                      {QStringLiteral("ORT"), QStringLiteral("Ort")},
                                                      {QStringLiteral("KM"), 5}});
    }

    int count(const char* table)
    {
        return set->db().scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table)).toInt();
    }
};

TEST_F(ResetFormTest, TypedConfirmation)
{
    struct Case
    {
        const char* typed;
        bool accepted;
    };
    for (const Case& c : {Case{"leere", false}, Case{"nein", false}, Case{"", false}, Case{"leeren", true}}) {
        TResetForm form(*set, ui);
        form.show();
        auto* entry = form.findChild<QLineEdit*>(QStringLiteral("Confirmation"));
        QTest::keyClicks(entry, QString::fromLatin1(c.typed));
        EXPECT_EQ(entry->text(), QString::fromLatin1(c.typed).toUpper());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("EmptyButton")), Qt::LeftButton);
        EXPECT_EQ(form.isVisible(), !c.accepted) << c.typed;
        EXPECT_EQ(ui.wasShown(DataReset::kConfirmPlease), !c.accepted) << c.typed;
        EXPECT_EQ(count("Kunden"), c.accepted ? 3 : 4) << c.typed;
        EXPECT_EQ(count("km"), 1) << c.typed;
        ui = ScriptedUi();
    }
}

TEST_F(ResetFormTest, EntryTakesSixCharactersAndTheWarningBlinks)
{
    TResetForm form(*set, ui);
    form.show();
    auto* entry = form.findChild<QLineEdit*>(QStringLiteral("Confirmation"));
    QTest::keyClicks(entry, QStringLiteral("leerenx"));
    EXPECT_EQ(entry->text(), QStringLiteral("LEEREN"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vorlix-Soft Warnung !"));
    QTimer* blink = form.blinkTimer();
    EXPECT_TRUE(blink->isActive());
    EXPECT_EQ(blink->interval(), 500);
    const bool red = form.blinkRed();
    QMetaObject::invokeMethod(blink, "timeout"); // half a second later
    EXPECT_NE(form.blinkRed(), red);
    QMetaObject::invokeMethod(blink, "timeout");
    EXPECT_EQ(form.blinkRed(), red);
}

TEST_F(ResetFormTest, RunBringsFixedCustomersBackEvenWhenCancelled)
{
    set->db().run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = '099999'"));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
    TResetForm::run(*set, ui, nullptr);
    EXPECT_EQ(count("Kunden"), 4);
    EXPECT_EQ(set->db().scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE K_NR = '099999'")).toInt(),
              1);
}

} // namespace
} // namespace korbelant
