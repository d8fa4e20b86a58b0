#include "takeover/ui/TOdbcErrorForm.h"

#include "takeover/ESQLerror.h"
#include "widgets/DialogUi.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

TEST(TOdbcErrorForm, PagesThroughTheDiagnosticRecords)
{
    TOdbcErrorForm form(QStringLiteral("ODBC Error"),
                        {QStringLiteral("HY000:erster"), QStringLiteral("01000:zweiter")});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ODBC Error"));
    EXPECT_EQ(form.shownText(), QStringLiteral("HY000:erster"));
    EXPECT_FALSE(form.backButton()->isEnabled());
    EXPECT_EQ(form.backButton()->text(), QStringLiteral("< &Back"));
    form.nextButton()->click();
    EXPECT_EQ(form.shownText(), QStringLiteral("01000:zweiter"));
    EXPECT_FALSE(form.nextButton()->isEnabled());
    form.backButton()->click();
    EXPECT_EQ(form.currentRecord(), 0);
}

// An ODBC failure shown through the desktop's UI port opens the window with its records.
TEST(TOdbcErrorForm, OpensForAnOdbcFailureThroughTheDesktopPort)
{
    const ESQLerror error(QStringLiteral("HY000:kaputt"), SQL_ERROR, QStringLiteral("HY000"),
                          {QStringLiteral("HY000:kaputt"), QStringLiteral("HY001:mehr")});
    DialogUi ui;
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TOdbcErrorForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        seen << form->windowTitle() << form->shownText();
        form->nextButton()->click();
        seen << form->shownText();
        form->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    error.show(ui);
    EXPECT_EQ(seen, (QStringList{"ODBC Error", "HY000:kaputt", "HY001:mehr"}));
}

} // namespace
} // namespace korbelant
