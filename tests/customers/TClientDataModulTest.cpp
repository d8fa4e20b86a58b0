#include "support/CustomerStoreFixture.h"

#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "customers/PlaceChooser.h"

#include <QTime>

namespace korbelant::test {

namespace {

using Record = TClientDataModul::Record;

// The places window, answered by the test: remembers what it was offered and picks one row.
class ScriptedChooser : public PlaceChooser
{
public:
    explicit ScriptedChooser(int pick) : m_pick(pick) {}
    std::optional<Place> choosePlace(const std::vector<Place>& places, Place::Order order) override
    {
        offered = places;
        offeredOrder = order;
        if (m_pick < 0 || m_pick >= static_cast<int>(places.size()))
            return std::nullopt;
        return places.at(m_pick);
    }
    std::vector<Place> offered;
    Place::Order offeredOrder = Place::Order::Postcode;

private:
    int m_pick;
};

class CustomerStoreTest : public CustomerStoreFixture
{
protected:
    void addPlace(const char* postcode, const char* town, const char* areaCode = "")
    {
        ASSERT_TRUE(store.savePlace(
            {QString::fromUtf8(postcode), QString::fromUtf8(town), QString::fromUtf8(areaCode)}));
    }
    int kmRows() { return db->scalar(QStringLiteral("SELECT count(*) FROM km")).toInt(); }
};

} // namespace

TEST_F(CustomerStoreTest, NumbersStartAfterTheFixedRecordsAndFollowTheHighest)
{
    EXPECT_EQ(store.NextCustomerNumber(), QStringLiteral("100002"));
    addWithNumber(QStringLiteral("100150"));
    EXPECT_EQ(store.NextCustomerNumber(), QStringLiteral("100151"));
    // Numbers below the first free one never come back, and stray keys of other data are ignored.
    addWithNumber(QStringLiteral("ABC"));
    EXPECT_EQ(store.NextCustomerNumber(), QStringLiteral("100151"));
}

TEST_F(CustomerStoreTest, EmptyTableStartsAt100002)
{
    db->run(QStringLiteral("DELETE FROM Kunden"));
    EXPECT_EQ(store.NextCustomerNumber(), QStringLiteral("100002"));
}

TEST_F(CustomerStoreTest, NumberNeverWrapsPast999999)
{
    addWithNumber(QStringLiteral("999998"));
    EXPECT_EQ(store.NextCustomerNumber(), QStringLiteral("999999"));
    addWithNumber(QStringLiteral("999999"));
    try {
        store.NextCustomerNumber();
        FAIL() << "a number after 999999 was given";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("keine freie Kundennummer")))
            << e.message().toStdString();
    }
}

TEST_F(CustomerStoreTest, NewCustomerHasTheDefaults)
{
    const Record r = store.newCustomer();
    EXPECT_EQ(r.value("K_NR").toString(), QStringLiteral("100002"));
    EXPECT_EQ(r.value("GASTGEBER").toString(), QStringLiteral("N"));
    EXPECT_EQ(r.value("FAM_STAND").toString(), QStringLiteral("U"));
    EXPECT_EQ(r.value("ANREDE").toString(), QStringLiteral("Frau"));
    for (const char* flag : {"B_WARINBZH", "B_WARBZHKV", "BI_BZH_KV", "BI_BZH_VERAN"})
        EXPECT_EQ(r.value(QString::fromLatin1(flag)).toString(), QStringLiteral("N")) << flag;
    EXPECT_FALSE(store.load(QStringLiteral("100002"))) << "a new customer is stored only when posted";
}

TEST_F(CustomerStoreTest, ReservedNumbersCannotBeDeleted)
{
    for (const char* number : {"099999", "100000", "100001"}) {
        ScriptedUi fresh;
        TClientDataModul s(*db, fresh);
        EXPECT_FALSE(s.deleteCustomer(QString::fromLatin1(number)));
        EXPECT_TRUE(fresh.wasShown(TClientDataModul::kReservedMessage)) << number;
        EXPECT_TRUE(s.load(QString::fromLatin1(number))) << number;
    }
}

TEST_F(CustomerStoreTest, CustomerWithPartiesCanBeDeletedAndHerPartiesKeepHerNumber)
{
    const QString k = add({{"NAME", "Berg"}});
    db->insert(Schema::get("Tuppkopf"), {{"R_NR", "010325A"}, {"K_NR", k}});
    EXPECT_TRUE(store.deleteCustomer(k));
    EXPECT_FALSE(store.load(k));
    EXPECT_EQ(db->scalar("SELECT K_NR FROM Tuppkopf WHERE R_NR = '010325A'").toString(), k);
    EXPECT_TRUE(ui.shown().isEmpty());
}

TEST_F(CustomerStoreTest, DateAndTimeEntry)
{
    const QString k = add({{"GEBURTSTAG", "  .  .    "},
                           {"N_DATUM", "13.12.2025"},
                           {"N_ZEIT", "  :  "},
                           {"WiederVorlage", "1.2.2026"}});
    Record r = *store.load(k);
    EXPECT_TRUE(r.value("GEBURTSTAG").isNull());
    EXPECT_TRUE(r.value("N_ZEIT").isNull());
    EXPECT_EQ(r.value("N_DATUM").toDate(), QDate(2025, 12, 13));
    EXPECT_EQ(r.value("WiederVorlage").toDate(), QDate(2026, 2, 1));
    r.insert("N_ZEIT", "19:30");
    ASSERT_TRUE(store.post(r, false).ok);
    EXPECT_EQ(store.load(k)->value("N_ZEIT").toTime(), QTime(19, 30));
}

TEST_F(CustomerStoreTest, EntriesThatAreNoDateTimeOrNumberAreRefusedAndNothingIsLost)
{
    const QString k = add({{"NAME", "Adam"}, {"GEBURTSTAG", "01.02.1970"}});
    const struct
    {
        const char* field;
        const char* entry;
    } cases[] = {{"GEBURTSTAG", "31.02.1970"}, {"N_ZEIT", "25:61"}, {"KM_ENTF", "zwölf"}, {"NAMEN", "x"}};
    for (const auto& c : cases) {
        Record r = *store.load(k);
        r.insert(QString::fromLatin1(c.field), QString::fromUtf8(c.entry));
        r.insert("NAME", "Eva");
        const auto result = store.post(r, false);
        EXPECT_FALSE(result.ok) << c.field;
        EXPECT_FALSE(result.error.isEmpty()) << c.field;
        const Record kept = *store.load(k);
        EXPECT_EQ(kept.value("NAME").toString(), QStringLiteral("Adam")) << c.field;
        EXPECT_EQ(kept.value("GEBURTSTAG").toDate(), QDate(1970, 2, 1)) << c.field;
    }
}

TEST_F(CustomerStoreTest, PostingATakenNumberFails)
{
    const QString k = add({{"NAME", "Erste"}});
    Record twin = store.newCustomer();
    twin.insert("K_NR", k);
    const auto result = store.post(twin, true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(store.load(k)->value("NAME").toString(), QStringLiteral("Erste"));
}

TEST_F(CustomerStoreTest, CalculatedFields)
{
    const QString k = add(
        {{"NAME", "Berg"}, {"VORNAME", "Eva"}, {"PLZ", "35037"}, {"ORT", "Marburg"}, {"STRASSE", "Weg 1"}});
    const struct
    {
        int mark;
        const char* text;
    } marks[] = {{0, ""}, {1, "Gastgeberin"}, {2, "Gast"}};
    for (const auto& m : marks) {
        store.setPlanningMark(k, m.mark);
        const Record r = *store.load(k);
        EXPECT_EQ(r.value("GanzerName").toString(), QStringLiteral("Berg, Eva"));
        EXPECT_EQ(r.value("GanzeAdresse").toString(), QStringLiteral("35037 Marburg, Weg 1"));
        EXPECT_EQ(r.value("VorPlaGast").toString(), QString::fromLatin1(m.text));
    }
}

TEST_F(CustomerStoreTest, DistanceIsLearnedOnce)
{
    add({{"PLZ", "35037"}, {"ORT", "Marburg"}, {"KM_ENTF", 12}});
    EXPECT_EQ(store.DistanceFor("35037", "Marburg"), 12);
    add({{"PLZ", "35037"}, {"ORT", "Marburg"}, {"KM_ENTF", 15}});
    add({{"PLZ", "35037"}, {"ORT", "marburg"}, {"KM_ENTF", 16}}); // other case: the same place
    add({{"PLZ", "3503"}, {"ORT", "Mar"}, {"KM_ENTF", 17}});      // a prefix of a known place
    EXPECT_EQ(kmRows(), 1);
    EXPECT_EQ(store.DistanceFor("35037", "Marburg"), 12);
    add({{"PLZ", "35039"}, {"ORT", "Marburg"}, {"KM_ENTF", 0}}); // no distance, nothing to learn
    EXPECT_EQ(kmRows(), 1);
}

TEST_F(CustomerStoreTest, WithoutDistanceTableDistancesAreSkipped)
{
    db->run("DROP TABLE km");
    ScriptedUi fresh;
    TClientDataModul s(*db, fresh);
    EXPECT_FALSE(s.kmOpen());
    TClientDataModul::Record r = s.newCustomer();
    r.insert("PLZ", "35037");
    r.insert("ORT", "Marburg");
    r.insert("KM_ENTF", 12);
    EXPECT_TRUE(s.post(r, true).ok);
    EXPECT_FALSE(s.DistanceFor("35037", "Marburg"));
    EXPECT_TRUE(s.distances().empty());
}

TEST_F(CustomerStoreTest, TownForPostcodeWithTwoTownsAsksThePlacesWindow)
{
    addPlace("35096", "Weimar", "06421");
    addPlace("35096", "Niederweimar", "06421");
    addPlace("35037", "Marburg", "06421");
    add({{"PLZ", "35096"}, {"ORT", "Weimar"}, {"KM_ENTF", 9}});

    Record r = store.newCustomer();
    r.insert("PLZ", "35096");
    ScriptedChooser chooser(1);
    ASSERT_TRUE(store.TownForPostcode(r, chooser));
    ASSERT_EQ(chooser.offered.size(), 2u);
    EXPECT_EQ(chooser.offeredOrder, Place::Order::Postcode);
    EXPECT_EQ(r.value("ORT").toString(), QStringLiteral("Weimar"));
    EXPECT_EQ(r.value("PLZ").toString(), QStringLiteral("35096"));
    EXPECT_EQ(r.value("KM_ENTF").toInt(), 9);

    Record cancelled = store.newCustomer();
    cancelled.insert("PLZ", "35096");
    ScriptedChooser cancel(-1);
    EXPECT_FALSE(store.TownForPostcode(cancelled, cancel));
    EXPECT_FALSE(cancelled.contains("ORT"));
}

TEST_F(CustomerStoreTest, TownAndPostcodeLookups)
{
    addPlace("35037", "Marburg", "06421");
    addPlace("35041", "Marburg", "06421");
    addPlace("34117", "Kassel", "0561");
    ScriptedChooser never(-1);

    Record one = store.newCustomer();
    one.insert("PLZ", "34117");
    EXPECT_TRUE(store.TownForPostcode(one, never));
    EXPECT_EQ(one.value("ORT").toString(), QStringLiteral("Kassel"));
    EXPECT_TRUE(never.offered.empty()) << "a single town is taken without asking";

    Record unknown = store.newCustomer();
    unknown.insert("PLZ", "99999");
    EXPECT_FALSE(store.TownForPostcode(unknown, never));

    Record byTown = store.newCustomer();
    byTown.insert("ORT", "kassel");
    EXPECT_TRUE(store.PostcodeForTown(byTown, never));
    EXPECT_EQ(byTown.value("PLZ").toString(), QStringLiteral("34117"));
    EXPECT_EQ(byTown.value("ORT").toString(), QStringLiteral("Kassel"));

    Record twoCodes = store.newCustomer();
    twoCodes.insert("ORT", "Marburg");
    ScriptedChooser second(1);
    EXPECT_TRUE(store.PostcodeForTown(twoCodes, second));
    EXPECT_EQ(second.offeredOrder, Place::Order::Town);
    EXPECT_EQ(twoCodes.value("PLZ").toString(), QStringLiteral("35041"));

    EXPECT_EQ(store.AreaCode("34117", "Kassel"), QStringLiteral("0561"));
    EXPECT_FALSE(store.AreaCode("34117", "Marburg"));
}

TEST_F(CustomerStoreTest, PlacesRefuseDuplicates)
{
    addPlace("35037", "Marburg", "06421");
    EXPECT_FALSE(store.savePlace({"35037", "MARBURG", "0"}));
    EXPECT_TRUE(ui.wasShown(TClientDataModul::kDuplicatePlaceMessage));
    addPlace("35039", "Marburg");
    EXPECT_FALSE(store.savePlace({"35037", "Marburg", ""}, Place{"35039", "Marburg", ""}));
    EXPECT_TRUE(store.savePlace({"35039", "Marburg", "06421"}, Place{"35039", "Marburg", ""}));
    EXPECT_EQ(store.AreaCode("35039", "Marburg"), QStringLiteral("06421"));
    EXPECT_EQ(store.places(Place::Order::Postcode).size(), 2u);
}

TEST_F(CustomerStoreTest, CounterCountsEveryRecord)
{
    add({{"NAME", "Eins"}});
    EXPECT_EQ(store.customerCount(), 4);
}

} // namespace korbelant::test
