#include "parties/GuestEntrySession.h"
#include "parties/GuestLineRules.h"
#include "parties/GuestWindowGeometry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The party rules' tests compare what was shown with these texts by name; here the texts
// themselves are pinned, character for character, with the section of the settings file that
// keeps the guest window's size.
TEST(PartyTexts, MessagesAndNamesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {GuestEntrySession::kNoArticleQuestion, "Sie haben keinen Artikel eingegeben, Position Löschen ?"},
        {GuestEntrySession::kNoKindMessage, "Sie haben noch keine VA angegeben"},
        {GuestLineRules::kStockLineOnlyDelete,
         "Artikel die vom Lager abgebucht wurden können nur gelöscht werden."},
        {GuestLineRules::kTooManyFromStock,
         "Mehr Artikel aus Lager entnommen als möglich, Stückzahl wird zurückgesetzt."},
        {GuestWindowGeometry::kSection, "TNewGuestForm"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
