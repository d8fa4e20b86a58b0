#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The kinds delivered with the program, as a new data set has them.
TEST(ArticleInstalledKinds, DeliveredKindsDriveTheSelectorsAndChecks)
{
    TempHome home;
    auto set = DataSet::open(home.home());
    ScriptedUi ui;
    const TableDef& lager = Schema::get(QStringLiteral("Lager"));
    set->db().insert(lager, {{QStringLiteral("L_NR"), QStringLiteral("K010")},
                             {QStringLiteral("VA"), QStringLiteral("10")}});
    set->db().insert(lager, {{QStringLiteral("L_NR"), QStringLiteral("K030")},
                             {QStringLiteral("VA"), QStringLiteral("30")}});
    TArtikelModul modul(set->db(), set->options(), ui);
    const QStringList list = modul.KindDisplayList();
    ASSERT_FALSE(list.isEmpty());
    EXPECT_EQ(list.first(), QStringLiteral("10=Verkauf Katalogartikel"));
    for (const char* code :
         {"10", "20", "30", "32", "33", "34", "36", "37", "38", "40", "42", "43", "44", "46", "47", "48"})
        EXPECT_TRUE(modul.kinds().exists(QString::fromLatin1(code))) << code;
    EXPECT_TRUE(modul.IsTextKind(QStringLiteral("95")));
    EXPECT_TRUE(modul.KindValidForArticle(QStringLiteral("33"), QStringLiteral("K010")));
    EXPECT_FALSE(modul.KindValidForArticle(QStringLiteral("33"), QStringLiteral("K030")));
    EXPECT_TRUE(modul.KindValidForArticle(QStringLiteral("43"), QStringLiteral("K030")));
    EXPECT_TRUE(modul.kinds().numberCarryingKinds().contains(QStringLiteral("38")));
}

} // namespace

} // namespace korbelant::test
