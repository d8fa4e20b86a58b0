#include "core/GermanCollation.h"

#include <gtest/gtest.h>

using namespace korbelant;

namespace {

struct Ordered
{
    const char* a;
    const char* b;
    int expected; // sign of compare(a, b)
};

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Plain ASCII texts and texts with umlauts, accents and ß, each pair both ways round.
TEST(GermanCollation, OrdersWithoutCaseUmlautsWithTheirBaseLetter)
{
    const Ordered cases[] = {
        {"abc", "ABC", 0},
        {"Abc", "abd", -1},
        {"Zeta", "alpha", 1}, // case does not count
        {"Z", "[", 1},        // letters compare as lower case, also against the signs between
        {"10", "9", -1},
        {"a_b", "a-b", 1},
        {"", "", 0},
        {"", "a", -1},
        {"Mül", "Mülz", -1},
        {"Muller", "Müller", -1}, // the plain letter first among names equal so far
        {"Müller", "Mullerb", -1},
        {"Mueller", "Müller", -1},
        {"MÜLLER", "müller", 0},
        {"Strasse", "Straße", -1},
        {"Strassf", "Straße", 1},
        {"Aachen", "Ärzte", -1},
        {"100002", "1000021", -1},
    };
    for (const Ordered& c : cases) {
        EXPECT_EQ(sign(GermanCollation::compare(c.a, c.b)), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(sign(GermanCollation::compare(c.b, c.a)), -c.expected) << c.b << " / " << c.a;
    }
}

} // namespace
