#include "articles/ArticleEditCheck.h"
#include "articles/KindTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The article rules' tests compare some messages with the texts the checks make; here those
// texts are pinned, character for character.
TEST(ArticleTexts, MessagesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {ArticleEditCheck::orderNumberTooLong(8), "Die TW-Bestell-Nr. darf höchstens 8 Stellen lang sein"},
        {ArticleEditCheck::articleNumberTooLong(8), "Die Artikel-Nr. darf höchstens 8 Stellen lang sein"},
        {ArticleEditCheck::kInvalidKind, "Die gewählte VA ist ungültig !"},
        {ArticleEditCheck::kDuplicate, "Die gewählte Artikelnummer ist schon vorhanden"},
        {KindTable::kAll, "Alle"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
