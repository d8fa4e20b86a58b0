#include "core/RecordStore.h"
#include "core/DatabaseError.h"
#include "core/OrteFields.h"
#include "core/TupperFields.h"
#include "support/TestSupport.h"

#include <QTime>
#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::TempHome;

namespace {

using O = OrteFields;
using P = TupperFields;

class RecordStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [postcode, town] : {std::pair{"35037", "Marburg"}, std::pair{"35039", "Marburg"}})
            db->insert(O::table(),
                       {{O::PLZ, QString::fromLatin1(postcode)}, {O::ORTSNAME, QString::fromLatin1(town)}});
    }
    QStringList postcodes()
    {
        QStringList list;
        for (const QVariantMap& place : RecordStore::select(*db, O::table(), QStringLiteral("1"), {}, O::PLZ))
            list << place.value(O::PLZ).toString();
        return list;
    }

    TempHome home;
    std::unique_ptr<Database> db = home.openDb();
};

TEST_F(RecordStoreTest, RecordsComeBackInProgramFormAndGoInInStorageForm)
{
    const QVariantMap participant{{P::R_NR, QStringLiteral("040324A")},
                                  {P::P_NR, QStringLiteral("02")},
                                  {P::DATUM, QDate(2024, 3, 4)},
                                  {P::BEZAHLT, false},
                                  {P::Verabred_ZEIT, QStringLiteral("19:30")}};
    db->insert(P::table(), participant);
    auto stored = RecordStore::selectOne(*db, P::table(), QStringLiteral("R_NR = ? AND P_NR = ?"),
                                         {QStringLiteral("040324A"), QStringLiteral("02")});
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value(P::DATUM), QVariant(QDate(2024, 3, 4)));
    EXPECT_EQ(stored->value(P::BEZAHLT), QVariant(false));
    EXPECT_EQ(stored->value(P::Verabred_ZEIT), QVariant(QTime(19, 30)));
    EXPECT_EQ(stored->value(P::UMSATZ), QVariant(0.0)); // the table's default

    (*stored)[P::Verabred_DATUM] = QStringLiteral("05.03.2024");
    (*stored)[P::BEZAHLT] = QStringLiteral("ja");
    EXPECT_EQ(RecordStore::update(*db, P::table(), *stored, QStringList{P::R_NR, P::P_NR}), 1);
    EXPECT_EQ(db->rows(QStringLiteral("SELECT Verabred_DATUM, BEZAHLT FROM Tupper")).front(),
              (QVariantList{QStringLiteral("2024-03-05"), 1LL}));
}

TEST_F(RecordStoreTest, AKeyMayNameTheFieldThatChanges)
{
    const QVariantMap renamed{{O::PLZ, QStringLiteral("35041")}, {O::ORTSNAME, QStringLiteral("Marburg")}};
    EXPECT_EQ(RecordStore::update(
                  *db, O::table(), renamed,
                  QVariantMap{{O::PLZ, QStringLiteral("35039")}, {O::ORTSNAME, QStringLiteral("Marburg")}}),
              1);
    EXPECT_EQ(postcodes(), (QStringList{QStringLiteral("35037"), QStringLiteral("35041")}));
}

TEST_F(RecordStoreTest, AKeyLongerThanItsFieldFindsNoRecord)
{
    // "350371" cut to the field's five characters would name 35037.
    const QVariantMap changed{{O::VORWAHL, QStringLiteral("06421")}};
    EXPECT_EQ(RecordStore::update(*db, O::table(), changed, QVariantMap{{O::PLZ, QStringLiteral("350371")}}),
              0);
    EXPECT_TRUE(db->scalar(QStringLiteral("SELECT VORWAHL FROM Orte WHERE PLZ = '35037'")).isNull());
}

TEST_F(RecordStoreTest, NamesThatAreNoFieldsAreRefused)
{
    const QVariantMap misspelt{{QStringLiteral("ORT"), QStringLiteral("Cappel")}};
    try {
        RecordStore::update(*db, O::table(), misspelt, QVariantMap{{O::PLZ, QStringLiteral("35037")}});
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Das Feld ORT gibt es in der Tabelle Orte nicht."));
    }
    EXPECT_EQ(postcodes(), (QStringList{QStringLiteral("35037"), QStringLiteral("35039")}));
}

} // namespace
