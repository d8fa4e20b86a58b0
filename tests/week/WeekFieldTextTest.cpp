#include "week/WeekFieldText.h"

#include "support/QtPrinters.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

struct Entry
{
    const char* field;
    const char* text;
    QVariant value; // invalid: the entry is refused
    bool refused;
};

} // namespace

TEST(WeekFieldText, EntriesAreReadByTheFieldsType)
{
    const QString longRemark(161, QLatin1Char('x'));
    const std::vector<Entry> entries{
        {"VORFUEHR_1", "3", 3, false},
        {"VORFUEHR_1", " 12 ", 12, false},
        {"VORFUEHR_1", "", QVariant(), false},
        {"VORFUEHR_1", "3a", QVariant(), true},
        {"Start_VF", "1.234,50", 1234.5, false},
        {"Start_VF", "12.5", 12.5, false},
        {"Start_VF", "zwölf", QVariant(), true},
        {"A_DATUM", "24.01.2026", QDate(2026, 1, 24), false},
        {"A_DATUM", "  .  .    ", QVariant(), false},
        {"A_DATUM", "31.02.2026", QVariant(), true},
        {"A_ZEIT", "09:30", QTime(9, 30), false},
        {"A_ZEIT", " :  ", QVariant(), false},
        {"A_ZEIT", "25:00", QVariant(), true},
        {"Start_BER", "12345", QStringLiteral("12345"), false},
        {"Start_BER", "123456", QVariant(), true},
        {"NO_FIELD", "1", QVariant(), true},
    };
    for (const Entry& e : entries) {
        const auto value = WeekFieldText::entered(QString::fromLatin1(e.field), QString::fromUtf8(e.text));
        EXPECT_EQ(!value.has_value(), e.refused) << e.field << " \"" << e.text << '"';
        if (value && !e.refused) {
            EXPECT_EQ(*value, e.value) << e.field << " \"" << e.text << '"';
        }
    }
    EXPECT_FALSE(WeekFieldText::entered(QStringLiteral("Bemerkung"), longRemark).has_value());
}

TEST(WeekFieldText, ValuesAreShownAsTheWindowShowsThem)
{
    EXPECT_EQ(WeekFieldText::shown(QStringLiteral("Start_VF"), 1234.5), QStringLiteral("1234,50"));
    EXPECT_EQ(WeekFieldText::shown(QStringLiteral("A_DATUM"), QDate(2026, 1, 4)),
              QStringLiteral("04.01.2026"));
    EXPECT_EQ(WeekFieldText::shown(QStringLiteral("A_ZEIT"), QTime(7, 5)), QStringLiteral("07:05"));
    EXPECT_EQ(WeekFieldText::shown(QStringLiteral("DR_3"), 0), QStringLiteral("0"));
    EXPECT_EQ(WeekFieldText::shown(QStringLiteral("DR_3"), QVariant()), QString());
    // What is shown is read back as the same value.
    for (const auto& [field, value] : std::vector<std::pair<QString, QVariant>>{
             {QStringLiteral("Start_VF"), 0.1}, {QStringLiteral("A_DATUM"), QDate(2025, 12, 31)}}) {
        EXPECT_EQ(WeekFieldText::entered(field, WeekFieldText::shown(field, value)), value)
            << field.toStdString();
    }
}

} // namespace korbelant::test
