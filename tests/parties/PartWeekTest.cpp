#include "parties/PartWeek.h"

#include "core/Database.h"
#include "core/Schema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

TEST(PartWeek, NextPartWeekMarkReadsThePartyTable)
{
    test::TempHome home;
    std::unique_ptr<Database> db = home.openDb();
    const TableDef& kopf = Schema::get(QStringLiteral("Tuppkopf"));
    const auto party = [&](const char* number, const char* week, const char* part) {
        db->insert(kopf, {{QStringLiteral("R_NR"), QString::fromLatin1(number)},
                          {QStringLiteral("MWoche"), QString::fromLatin1(week)},
                          {QStringLiteral("TWoche"), QString::fromLatin1(part)}});
    };
    EXPECT_EQ(PartWeek::NextTWoche(*db, QStringLiteral("200305")), QStringLiteral("1"));
    party("270103A", "200305", "1");
    party("280103A", "200305", "2");
    party("290103A", "200306", "7");
    EXPECT_EQ(PartWeek::NextTWoche(*db, QStringLiteral("200305")), QStringLiteral("3"));
    party("300103A", "200305", "9");
    EXPECT_EQ(PartWeek::NextTWoche(*db, QStringLiteral("200305")), QStringLiteral("A"));
}

} // namespace
} // namespace korbelant
