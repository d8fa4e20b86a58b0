#include "core/IndexRepair.h"

#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

TEST(IndexRepair, NoticeThenRebuildRemovesIncompleteLinesAndLearnsDistances)
{
    test::TempHome home;
    auto set = DataSet::open(home.home());
    Database& db = set->db();
    const TableDef& lines = Schema::get(QStringLiteral("Tupper1"));
    db.insert(lines, {{QStringLiteral("R_NR"), QStringLiteral("010203A")},
                      {QStringLiteral("P_NR"), QStringLiteral("01")},
                      {QStringLiteral("MWoche"), QStringLiteral("200305")},
                      {QStringLiteral("TWoche"), QStringLiteral("1")}});
    db.insert(lines, {{QStringLiteral("R_NR"), QStringLiteral("010203A")},
                      {QStringLiteral("P_NR"), QStringLiteral("01")},
                      {QStringLiteral("MWoche"), QStringLiteral("200305")}});
    db.insert(Schema::get(QStringLiteral("Kunden")), {{QStringLiteral("K_NR"), QStringLiteral("100002")},
                                                      {QStringLiteral("PLZ"), QStringLiteral("12345")},
                                                      {QStringLiteral("ORT"), QStringLiteral("Musterstadt")},
                                                      {QStringLiteral("KM_ENTF"), 17}});
    ScriptedUi ui;
    ASSERT_TRUE(IndexRepair::run(*set, ui));
    ASSERT_EQ(ui.shownTexts(), QStringList{IndexRepair::kNotice});
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Tupper1")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT KM FROM km WHERE PLZ = '12345'")).toInt(), 17);
}

} // namespace
} // namespace korbelant
