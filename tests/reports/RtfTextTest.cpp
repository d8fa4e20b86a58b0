#include "reports/RtfText.h"

#include <gtest/gtest.h>

namespace korbelant::test {

TEST(RtfText, KeepsParagraphsCharactersAndBoldAndLeavesOutTheTables)
{
    struct Case
    {
        const char* rtf;
        std::vector<std::pair<const char*, bool>> paragraphs;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}Eins\\par Zwei\\par}",
         {{"Eins", false}, {"Zwei", false}}},
        {"{\\rtf1{\\b Fett\\b0}\\par normal {\\b nicht am Anfang}\\par}",
         {{"Fett", true}, {"normal nicht am Anfang", false}}},
        {"{\\rtf1 gr\\'fc\\'dfe \\u8364? Euro \\{x\\} a\\\\b\\par}", {{"grüße € Euro {x} a\\b", false}}},
        {"{\\rtf1{\\*\\generator Writer;}Text\r\nweiter\\par\\par}", {{"Textweiter", false}}},
        {"kein RTF", {}},
        {"", {}},
    };
    for (const Case& k : cases) {
        const auto paragraphs = RtfText::parse(QByteArray(k.rtf));
        ASSERT_EQ(paragraphs.size(), k.paragraphs.size()) << k.rtf;
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            EXPECT_EQ(paragraphs[i].text, QString::fromUtf8(k.paragraphs[i].first)) << k.rtf;
            EXPECT_EQ(paragraphs[i].bold, k.paragraphs[i].second) << k.rtf;
        }
    }
    EXPECT_TRUE(RtfText::read(QStringLiteral("/nicht/da/Umtausch.rtf")).empty());
}

} // namespace korbelant::test
