#include "customers/GuestType.h"

#include <gtest/gtest.h>

namespace korbelant {

TEST(GuestTypeTest, WordOfAStoredCode)
{
    struct Case
    {
        const char* stored;
        const char* word;
    };
    const Case cases[] = {{"J", "Gastgeber"},
                          {"n", "Gast"},
                          {" S ", "Startgast"},
                          {"m", "Mitbesteller"},
                          {"C", "Club Gastgeber"},
                          {"X", "X"},
                          {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(GuestType::word(QString::fromLatin1(c.stored)), QString::fromLatin1(c.word))
            << "'" << c.stored << "'";
}

TEST(GuestTypeTest, TheDialogsOfferEveryTypeOnceWithItsCaption)
{
    QStringList codes;
    QStringList captions;
    for (const GuestType::Choice& choice : GuestType::choices()) {
        codes << choice.code;
        captions << choice.caption;
        EXPECT_NE(GuestType::word(choice.code), choice.code)
            << "a choice without a word: " << choice.code.toStdString();
    }
    EXPECT_EQ(codes, (QStringList{"S", "M", "N", "C", "J"}));
    EXPECT_EQ(captions, (QStringList{"Startgast", "Mitbesteller", "Gast", "Club Gastgeb.", "Gastgeber"}));
}

} // namespace korbelant
