#include "core/ScriptedUi.h"

#include <gtest/gtest.h>

namespace korbelant::test {

using Answer = UiPort::Answer;
using Buttons = UiPort::Buttons;

TEST(ScriptedUi, AnswersFitTheQuestionsButtons)
{
    struct Case
    {
        Answer given;
        Buttons buttons;
        Answer taken;
    };
    const std::vector<Case> cases{
        {Answer::Yes, Buttons::OkCancel, Answer::Ok},
        {Answer::No, Buttons::OkCancel, Answer::Cancel},
        {Answer::Ok, Buttons::YesNo, Answer::Yes},
        {Answer::Cancel, Buttons::YesNo, Answer::No},
        {Answer::Yes, Buttons::RetryCancel, Answer::Retry},
        {Answer::No, Buttons::YesNoCancel, Answer::No},
        {Answer::Cancel, Buttons::YesNoCancel, Answer::Cancel},
        {Answer::Help, Buttons::YesNoHelp, Answer::Help},
    };
    for (const Case& c : cases) {
        ScriptedUi ui({c.given});
        EXPECT_EQ(ui.question(QStringLiteral("?"), c.buttons), c.taken)
            << int(c.given) << ' ' << int(c.buttons);
    }
}

TEST(ScriptedUi, DeclinedUntilAWarningFollows)
{
    ScriptedUi ui({Answer::Ok});
    EXPECT_FALSE(ui.lastQuestionDeclined());
    ui.question(QStringLiteral("Löschen?"), Buttons::OkCancel);
    EXPECT_FALSE(ui.lastQuestionDeclined());
    ui.question(QStringLiteral("Wirklich?"), Buttons::OkCancel);
    EXPECT_TRUE(ui.lastQuestionDeclined());
    ui.information(QStringLiteral("Nichts geschehen."));
    EXPECT_TRUE(ui.lastQuestionDeclined());
    ui.warning(QStringLiteral("Fehlgeschlagen."));
    EXPECT_FALSE(ui.lastQuestionDeclined());
}

} // namespace korbelant::test
