#include "widgets/DialogUi.h"

#include "widgets/TProgressForm.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

// Answers the next message box by a button caption, or with Escape when the caption is empty.
void answerWith(const QString& caption, QStringList* seen)
{
    QTimer::singleShot(0, [caption, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            seen->append(button->text());
        if (caption.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption)
                button->click();
        }
    });
}

TEST(DialogUi, QuestionsHaveGermanButtons)
{
    DialogUi ui;
    struct Case
    {
        UiPort::Buttons buttons;
        const char* click;
        UiPort::Answer expected;
        QStringList captions;
    };
    const Case cases[] = {
        {UiPort::Buttons::YesNoCancel, "&Nein", UiPort::Answer::No, {"&Ja", "&Nein", "&Abbrechen"}},
        {UiPort::Buttons::YesNoCancel, "", UiPort::Answer::Cancel, {"&Ja", "&Nein", "&Abbrechen"}},
        {UiPort::Buttons::YesNoHelp, "&Hilfe", UiPort::Answer::Help, {"&Ja", "&Nein", "&Hilfe"}},
        {UiPort::Buttons::YesNo, "", UiPort::Answer::No, {"&Ja", "&Nein"}},
        {UiPort::Buttons::RetryCancel, "&Wiederholen", UiPort::Answer::Retry, {"&Wiederholen", "&Abbrechen"}},
        {UiPort::Buttons::OkCancel, "OK", UiPort::Answer::Ok, {"OK", "&Abbrechen"}},
    };
    for (const Case& c : cases) {
        QStringList seen;
        answerWith(QString::fromUtf8(c.click), &seen);
        EXPECT_EQ(ui.question(QStringLiteral("Frage ?"), c.buttons), c.expected) << c.click;
        seen.sort();
        QStringList expected = c.captions;
        expected.sort();
        EXPECT_EQ(seen, expected) << c.click;
    }
}

TEST(DialogUi, ProgressWindowShowsAndHides)
{
    QWidget owner;
    owner.show();
    DialogUi ui(&owner);
    ui.progress(TProgressForm::kDefaultText);
    auto* form = owner.findChild<TProgressForm*>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Bitte warten"));
    EXPECT_EQ(form->text(), QStringLiteral("Bericht wird  vorbereitet."));
    ui.progress(QStringLiteral("Artikel werden eingelesen."));
    EXPECT_EQ(form->text(), QStringLiteral("Artikel werden eingelesen."));
    ui.progress(QString());
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace korbelant
