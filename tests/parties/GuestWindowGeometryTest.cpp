#include "parties/GuestWindowGeometry.h"
#include "core/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

TEST(GuestWindowGeometry, StoredInItsOwnSectionBesideOtherSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Optionen.ini"));
    {
        IniFile ini(path);
        ini.setValue(QStringLiteral("KLV"), QStringLiteral("VORAB"), QStringLiteral("1"));
        ini.setValue(GuestWindowGeometry::kSection, QStringLiteral("NewGuestFormHeight"),
                     QStringLiteral("kaputt"));
        ASSERT_TRUE(ini.save());
    }
    GuestWindowGeometry g = GuestWindowGeometry::load(path);
    EXPECT_EQ(g.width, 590);
    EXPECT_EQ(g.height, 452) << "an unreadable value keeps the standard";
    EXPECT_EQ(g.list, 77);
    g.width = 800;
    g.height = 600;
    g.left = 10;
    g.top = 20;
    g.list = 113;
    ASSERT_TRUE(g.save(path));

    IniFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("KLV"), QStringLiteral("VORAB")), QStringLiteral("1"));
    for (const auto& [key, value] :
         {std::pair{"Width", "800"}, std::pair{"Height", "600"}, std::pair{"Left", "10"},
          std::pair{"Top", "20"}, std::pair{"Tabelle", "113"}})
        EXPECT_EQ(ini.value(QStringLiteral("TNewGuestForm"),
                            QStringLiteral("NewGuestForm") + QString::fromLatin1(key)),
                  QString::fromLatin1(value));
    const GuestWindowGeometry again = GuestWindowGeometry::load(path);
    EXPECT_EQ(again.list, 113);
    EXPECT_EQ(again.left, 10);
}

TEST(GuestWindowGeometry, ListHeightStepsStayInsideTheOrderArea)
{
    const struct
    {
        int current, direction, area, expected;
    } cases[] = {
        {77, +1, 300, 95},   {77, -1, 300, 59},   {45, -1, 300, 36}, {36, -1, 300, 36},
        {220, +1, 300, 230}, {230, +1, 300, 230}, {77, +1, 90, 36}, // a tiny area still leaves the minimum
    };
    for (const auto& c : cases)
        EXPECT_EQ(GuestWindowGeometry::stepList(c.current, c.direction, c.area), c.expected)
            << c.current << " " << c.direction << " " << c.area;
}

TEST(GuestWindowGeometry, ATallerWindowSharesItsGrowthWithTheList)
{
    const struct
    {
        int list, windowHeight, expected;
    } cases[] = {
        {77, 452, 77},  // the standard size shows the stored height
        {77, 400, 77},  // a smaller window takes it from the order lines
        {77, 652, 177}, // half of 200 more
        {95, 453, 95},  // an odd pixel stays with the order lines
        {36, 552, 86},
    };
    for (const auto& c : cases) {
        GuestWindowGeometry g;
        g.list = c.list;
        EXPECT_EQ(g.shownList(c.windowHeight), c.expected) << c.list << " " << c.windowHeight;
    }
}

} // namespace korbelant::test
