#include "core/DateMaskCheck.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

struct Case
{
    const char* text;
    QDate today;
    QDate expected;      // accepted with this date (invalid: accepted as empty or refused)
    const char* message; // refused with this text, or nullptr
    int caret;
};

class DateMaskCheckCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(DateMaskCheckCases, ChecksEntryInOrder)
{
    const Case& c = GetParam();
    DateMaskCheck::Settings settings;
    settings.today = c.today;
    const auto result = DateMaskCheck::check(QString::fromLatin1(c.text), settings);
    if (c.message) {
        EXPECT_FALSE(result.accepted) << c.text;
        EXPECT_EQ(result.message, QString::fromUtf8(c.message)) << c.text;
        EXPECT_EQ(result.caret, c.caret) << c.text;
    } else {
        EXPECT_TRUE(result.accepted) << c.text << " " << result.message.toStdString();
        EXPECT_EQ(result.date, c.expected) << c.text;
    }
}

const QDate kToday(2026, 6, 15);
const QDate kEarly(2003, 6, 1);

INSTANTIATE_TEST_SUITE_P(Entries, DateMaskCheckCases,
                         ::testing::Values(
                             // 29.02.03: no leap year
                             Case{"29.02.03__", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             // 31.12 without year, with three and with two year digits
                             Case{"31.12.____", kToday, {}, "Bitte fehlende Ziffern eingeben.", 6},
                             Case{"31.12.200_", kToday, {}, "Jahresangabe fehlerhaft", 9},
                             Case{"31.12.03__", kToday, QDate(2003, 12, 31), nullptr, 0},
                             // the completed date would lie after today: the previous century
                             Case{"31.12.03__", kEarly, QDate(1903, 12, 31), nullptr, 0},
                             Case{"01.06.03__", kEarly, QDate(2003, 6, 1), nullptr, 0},
                             Case{"02.06.03__", kEarly, QDate(1903, 6, 2), nullptr, 0},
                             Case{"31.12.2003", kToday, QDate(2003, 12, 31), nullptr, 0},
                             // missing day or month digits
                             Case{"3_.12.2003", kToday, {}, "Bitte fehlende Ziffern eingeben.", 1},
                             Case{"31.1_.2003", kToday, {}, "Bitte fehlende Ziffern eingeben.", 4},
                             Case{"__.12.2003", kToday, {}, "Bitte fehlende Ziffern eingeben.", 0},
                             Case{"31.12.2___", kToday, {}, "Bitte fehlende Ziffern eingeben.", 7},
                             // month before day
                             Case{"00.00.2003", kToday, {}, "Bitte Monatsangabe korrigieren", 3},
                             Case{"15.13.2003", kToday, {}, "Bitte Monatsangabe korrigieren", 3},
                             Case{"00.05.2003", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             Case{"32.01.2003", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             Case{"31.04.2003", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             // leap years: centuries only when divisible by 400
                             Case{"29.02.1900", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             Case{"29.02.2000", kToday, QDate(2000, 2, 29), nullptr, 0},
                             Case{"29.02.2004", kToday, QDate(2004, 2, 29), nullptr, 0},
                             Case{"29.02.2003", kToday, {}, "Bitte Tagesangabe korrigieren", 0},
                             // the empty mask is no date
                             Case{"__.__.____", kToday, QDate(), nullptr, 0}));

TEST(DateMaskCheck, FourDigitModeRefusesTwoDigitYear)
{
    DateMaskCheck::Settings settings;
    settings.yearMode = DateMaskCheck::YearMode::FourDigits;
    const auto result = DateMaskCheck::check(QStringLiteral("31.12.03__"), settings);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.message, DateMaskCheck::kBadYear);
    EXPECT_EQ(result.caret, 8);
}

TEST(DateMaskCheck, FixedCenturyCompletesWithoutLookingAtToday)
{
    DateMaskCheck::Settings settings;
    settings.fixedCentury = 19;
    settings.today = QDate(2026, 1, 1);
    EXPECT_EQ(DateMaskCheck::check(QStringLiteral("31.12.03__"), settings).date, QDate(1903, 12, 31));
    settings.fixedCentury = 20;
    settings.today = QDate(1990, 1, 1);
    EXPECT_EQ(DateMaskCheck::check(QStringLiteral("31.12.45__"), settings).date, QDate(2045, 12, 31));
}

TEST(DateMaskCheck, EmptyRefusedWhenADateIsRequired)
{
    DateMaskCheck::Settings settings;
    settings.allowEmpty = false;
    const auto result = DateMaskCheck::check(DateMaskCheck::emptyMask(false), settings);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.message, DateMaskCheck::kMissingDigits);
}

TEST(DateMaskCheck, ShortYearMask)
{
    DateMaskCheck::Settings settings;
    settings.shortYear = true;
    settings.today = QDate(2026, 6, 15);
    EXPECT_EQ(DateMaskCheck::check(QStringLiteral("24.12.99"), settings).date, QDate(1999, 12, 24));
    EXPECT_EQ(DateMaskCheck::check(QStringLiteral("24.12.9_"), settings).message,
              DateMaskCheck::kMissingDigits);
    EXPECT_EQ(DateMaskCheck::textOf(QDate(2004, 2, 29), true), QStringLiteral("29.02.04"));
    EXPECT_EQ(DateMaskCheck::textOf(QDate(), true), QStringLiteral("__.__.__"));
}

} // namespace
} // namespace korbelant
