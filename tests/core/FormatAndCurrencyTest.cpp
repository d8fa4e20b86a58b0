#include "core/Currency.h"
#include "core/GermanFormat.h"

#include <gtest/gtest.h>

using korbelant::Currency;
using korbelant::GermanFormat;

TEST(Currency, ConvertsWithFourDecimals)
{
    EXPECT_DOUBLE_EQ(Currency::DmToEuro(100.0), 51.1292);
    EXPECT_DOUBLE_EQ(Currency::EuroToDm(51.13), 100.0016);
    EXPECT_DOUBLE_EQ(Currency::DmToEuro(1.95583), 1.0);
    EXPECT_DOUBLE_EQ(Currency::EuroToDm(1.0), 1.9558);
    EXPECT_DOUBLE_EQ(Currency::DmToEuro(-100.0), -51.1292);
    EXPECT_DOUBLE_EQ(Currency::DmToEuro(0.0), 0.0);
}

TEST(GermanFormat, NumbersWithDecimalComma)
{
    EXPECT_EQ(GermanFormat::number(51.1292, 4), QStringLiteral("51,1292"));
    EXPECT_EQ(GermanFormat::number(100.0016, 4), QStringLiteral("100,0016"));
    EXPECT_EQ(GermanFormat::money(1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(GermanFormat::money(-1234567.891), QStringLiteral("-1.234.567,89"));
    EXPECT_EQ(GermanFormat::money(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(GermanFormat::money(999), QStringLiteral("999,00"));
}

TEST(GermanFormat, ParsesAmountsWithCommaOrPoint)
{
    const std::pair<const char*, double> good[] = {
        {"51,13", 51.13}, {"51.13", 51.13},      {"100", 100.0},           {"-3", -3.0},
        {" 7,5 ", 7.5},   {"1.234,56", 1234.56}, {"1.234.567", 1234567.0}, {"0.125", 0.125},
    };
    for (const auto& [text, value] : good) {
        const auto parsed = GermanFormat::parseAmount(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
    for (const char* bad : {"", "abc", "1,2,3", "12.34,5.6", "1e5", "--1", "1.23.4"})
        EXPECT_FALSE(GermanFormat::parseAmount(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(GermanFormat, ParsesOnlyRealDates)
{
    EXPECT_EQ(GermanFormat::parseDate(QStringLiteral("01.01.2005")), QDate(2005, 1, 1));
    EXPECT_EQ(GermanFormat::parseDate(QStringLiteral("1.2.2005")), QDate(2005, 2, 1));
    for (const char* bad : {"29.02.2003", "32.01.2005", "01.13.2005", "2005-01-01", "01.01.05", ""})
        EXPECT_FALSE(GermanFormat::parseDate(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(GermanFormat::date(QDate(2005, 1, 1)), QStringLiteral("01.01.2005"));
}
