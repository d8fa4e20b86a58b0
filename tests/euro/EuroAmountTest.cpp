#include "euro/EuroAmount.h"
#include "euro/EuroCalculator.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace korbelant::test {

TEST(EuroAmount, RoundedEuroValueFollowedByTheMarkerDigits)
{
    struct Case
    {
        double dm;
        int decimals;
        const char* text;
    };
    for (const Case& c :
         {Case{9.99, 2, "5.1100000001016"}, Case{100.0, 7, "51.12918811016"}, Case{0.0, 7, "0.00000001016"},
          Case{0.0, 2, "0.0000000001016"}, Case{-100.0, 7, "-51.12918811016"},
          Case{1.95583, 2, "1.0000000001016"}, Case{9999.99, 7, "5112.91369901016"}}) {
        const QString text = EuroAmount::text(c.dm, c.decimals);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.dm;
        // What is stored is the number read back from that text.
        EXPECT_EQ(EuroAmount::convert(c.dm, c.decimals), text.toDouble()) << c.dm;
    }
    // Up to fifteen significant digits the stored number gives the marked text back.
    EXPECT_EQ(QString::number(EuroAmount::convert(9.99, 2), 'g', QLocale::FloatingPointShortest),
              QStringLiteral("5.1100000001016"));
    EXPECT_EQ(QString::number(EuroAmount::convert(100.0, 7), 'g', QLocale::FloatingPointShortest),
              QStringLiteral("51.12918811016"));
}

TEST(EuroCalculator, ConvertsSingleAmountsWithTwoDecimals)
{
    EXPECT_EQ(EuroCalculator::toEuro(QStringLiteral("100,00")), QStringLiteral("51,13"));
    EXPECT_EQ(EuroCalculator::toDm(QStringLiteral("51,13")), QStringLiteral("100,00"));
    EXPECT_EQ(EuroCalculator::toDm(QStringLiteral("1")), QStringLiteral("1,96"));
    for (const char* entry : {"", "abc", "12,3x"}) {
        EXPECT_FALSE(EuroCalculator::toEuro(QString::fromLatin1(entry))) << entry;
        EXPECT_FALSE(EuroCalculator::toDm(QString::fromLatin1(entry))) << entry;
    }
}

} // namespace korbelant::test
