#include "parties/LineEntryKind.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

using Text = LineEntryKind::Text;
using Field = LineEntryKind::Field;

TEST(LineEntryKindTest, TextFieldReasonAndNextFieldFollowTheKind)
{
    const struct
    {
        const char* va;
        bool textKind;
        Text text;
        bool exchange;
        Field afterArticle;
        Field afterText;
    } cases[] = {
        {"10", false, Text::ArticleName, false, Field::Pieces, Field::Pieces},
        {"", false, Text::ArticleName, false, Field::Pieces, Field::Pieces},
        {"95", true, Text::InfoText, false, Field::Text, Field::Pieces},
        // An info line keeps its caption even where the kind table does not mark it as text.
        {"95", false, Text::InfoText, false, Field::Pieces, Field::Pieces},
        {"96", true, Text::WishText, false, Field::Text, Field::Pieces},
        {"97", true, Text::InfoText, false, Field::Text, Field::Pieces},
        {"98", true, Text::ExchangeText, true, Field::Text, Field::Reason},
        {"99", false, Text::ArticleName, true, Field::Reason, Field::Reason},
        {" 99", false, Text::ArticleName, true, Field::Reason, Field::Reason},
    };
    for (const auto& c : cases) {
        const LineEntryKind kind(QString::fromLatin1(c.va), c.textKind);
        EXPECT_EQ(kind.isText(), c.textKind) << c.va;
        EXPECT_EQ(kind.text(), c.text) << c.va;
        EXPECT_EQ(kind.isExchange(), c.exchange) << c.va;
        EXPECT_EQ(kind.afterArticle(), c.afterArticle) << c.va;
        EXPECT_EQ(kind.afterText(), c.afterText) << c.va;
    }
}

} // namespace

} // namespace korbelant::test
