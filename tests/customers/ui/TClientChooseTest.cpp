#include "customers/ui/TClientChoose.h"

#include "customers/ui/CustomerGrid.h"
#include "support/CustomerStoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TClientChooseTest : public CustomerStoreFixture
{
protected:
    TClientChooseTest()
    {
        for (const char* name : {"Nagel", "Adam", "Müller"})
            add({{"NAME", QString::fromUtf8(name)}});
    }
};

} // namespace

TEST_F(TClientChooseTest, TypingSearchesAndEnterReturnsTheCustomer)
{
    TClientChoose form(store, {});
    form.show();
    EXPECT_EQ(form.windowTitle(), TClientChoose::kTitle);
    EXPECT_EQ(form.grid()->current()->name, QStringLiteral("Adam"));
    QString searchTitle;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            searchTitle = dialog->windowTitle();
            auto* entry = dialog->findChild<QLineEdit*>();
            entry->setText("nag");
            emit entry->textEdited("nag");
            dialog->accept();
        }
    });
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
    QApplication::sendEvent(form.grid(), &typed);
    EXPECT_EQ(searchTitle, QStringLiteral("Kunde suchen"));
    EXPECT_EQ(form.grid()->current()->name, QStringLiteral("Nagel"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.grid(), &enter);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosen()->number, QStringLiteral("100002"));
}

TEST_F(TClientChooseTest, SortBoxAndNewCustomer)
{
    TClientChoose form(store, [&](TClientDataModul::Record& r, bool isNew, const QString& title) {
        EXPECT_EQ(title, TClientChoose::kNewTitle);
        r.insert("NAME", "Zander");
        return store.post(r, isNew).ok;
    });
    form.sortBox()->setCurrentIndex(1); // "Kundennummer"
    EXPECT_EQ(form.grid()->customers()->rows().front().number, QStringLiteral("099999"));
    EXPECT_EQ(form.grid()->current()->name, QStringLiteral("Adam")) << "the current customer stays";
    form.newCustomer();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosen()->name, QStringLiteral("Zander"));
}

} // namespace korbelant::test
