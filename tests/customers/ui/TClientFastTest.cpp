#include "customers/ui/TClientFast.h"

#include "support/CustomerStoreFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TClientFastTest : public CustomerStoreFixture
{
protected:
    TClientFastTest()
    {
        add({{"NAME", QString::fromUtf8("Müller")}, {"VORNAME", "Anna"}});
        add({{"NAME", QString::fromUtf8("Müller")}, {"VORNAME", "Eva"}});
        add({{"NAME", "O'Brien"}, {"VORNAME", "Sean"}});
    }
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    static void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(w, &event);
    }

    int editorCalls = 0;
    QString editorTitle;
    bool editorAnswer = true;
    CustomerEditor editor = [this](TClientDataModul::Record& record, bool isNew, const QString& title) {
        ++editorCalls;
        editorTitle = title;
        record.insert("ORT", "Marburg");
        return editorAnswer && store.post(record, isNew).ok;
    };
};

} // namespace

TEST_F(TClientFastTest, EnterInFirstNameWithOneMatchAcceptsAtOnce)
{
    TClientFast form(store, editor);
    form.show();
    type(form.nameEdit(), "o'b");
    EXPECT_EQ(form.nameEdit()->text(), QStringLiteral("O'b")) << "first letter made a capital";
    EXPECT_EQ(form.grid()->rowCount(), 1);
    form.firstNameEdit()->setFocus();
    press(form.firstNameEdit(), Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenNumber(), QStringLiteral("100004"));
}

TEST_F(TClientFastTest, EnterInFirstNameWithSeveralMatchesGoesToTheGrid)
{
    TClientFast form(store, editor);
    form.show();
    QApplication::setActiveWindow(&form);
    type(form.nameEdit(), "mü");
    EXPECT_EQ(form.grid()->rowCount(), 2);
    press(form.firstNameEdit(), Qt::Key_Down);
    EXPECT_EQ(form.grid()->currentRow(), 1);
    press(form.firstNameEdit(), Qt::Key_Return);
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_TRUE(form.grid()->hasFocus());
    press(form.grid(), Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenNumber(), QStringLiteral("100003"));
}

TEST_F(TClientFastTest, EnterInEmptyNameFieldsGoesToPostcodeAndWithoutMatchCreatesACustomer)
{
    TClientFast form(store, editor);
    form.show();
    QApplication::setActiveWindow(&form);
    form.firstNameEdit()->setFocus();
    press(form.firstNameEdit(), Qt::Key_Return);
    EXPECT_TRUE(form.postcodeEdit()->hasFocus());
    EXPECT_EQ(editorCalls, 0);

    type(form.nameEdit(), "zander");
    press(form.firstNameEdit(), Qt::Key_Return);
    EXPECT_EQ(editorCalls, 1);
    EXPECT_EQ(editorTitle, TClientFast::kNewTitle);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenNumber(), QStringLiteral("100005"));
    const auto stored = store.load("100005");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value("NAME").toString(), QStringLiteral("Zander"));
    EXPECT_EQ(stored->value("ORT").toString(), QStringLiteral("Marburg"));
}

TEST_F(TClientFastTest, CancelledNewCustomerIsNotStored)
{
    editorAnswer = false;
    TClientFast form(store, editor);
    type(form.nameEdit(), "Zander");
    form.newCustomer();
    EXPECT_EQ(editorCalls, 1);
    EXPECT_FALSE(store.load("100005"));
    EXPECT_NE(form.result(), QDialog::Accepted);
}

TEST_F(TClientFastTest, LetterTabsAndPostcodeFilter)
{
    TClientFast form(store, editor);
    form.show();
    emit form.letterTabs()->tabBarClicked(14); // "O"
    EXPECT_EQ(form.nameEdit()->text(), QStringLiteral("O"));
    EXPECT_EQ(form.grid()->rowCount(), 1);
    type(form.postcodeEdit(), "9");
    EXPECT_EQ(form.grid()->rowCount(), 0);
}

} // namespace korbelant::test
