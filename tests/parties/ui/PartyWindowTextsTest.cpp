#include "parties/ui/TNewVorFForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The party windows' tests use these texts by name; here the texts themselves are pinned,
// character for character.
TEST(PartyWindowTexts, CaptionsAndMessagesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {TVorFuerForm::kNoParticipant, "Legen Sie zuerst eine Vorführung und/oder einen Gast an."},
        {TNewVorFForm::kNewCaption, "Neue Vorführung anlegen"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
