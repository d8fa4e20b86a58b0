#include "exchange/TransferQueries.h"
#include "support/PartyModuleFixture.h"

namespace korbelant::test {

// Week 202604 with three parties: A (host Brandt, with a guest who booked a party and one who
// was nominated) and B (host Roth, neither) in part-week 1, C in part-week 2.
class TransferQueriesTest : public PartyModuleFixture
{
protected:
    TransferQueriesTest() : queries(db(), options())
    {
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        addCustomer(QStringLiteral("200001"), {{QStringLiteral("NAME"), QStringLiteral("Brandt")},
                                               {QStringLiteral("VORNAME"), QStringLiteral("Ute")},
                                               {QStringLiteral("PLZ"), QStringLiteral("34117")},
                                               {QStringLiteral("ORT"), QStringLiteral("Kassel")},
                                               {QStringLiteral("GEBURTSTAG"), QDate(1970, 5, 1)}});
        addCustomer(QStringLiteral("200002"), {{QStringLiteral("NAME"), QStringLiteral("Roth")}});
        addCustomer(QStringLiteral("200003"), {{QStringLiteral("NAME"), QStringLiteral("Gast")}});
        addCustomer(QStringLiteral("200004"), {{QStringLiteral("NAME"), QStringLiteral("Benannt")}});
        for (const char* article : {"T10", "T20", "T30"})
            addArticle(QString::fromLatin1(article), QStringLiteral("10"), 10.0);
        db().run(QStringLiteral("UPDATE Lager SET AKTIV = (L_NR <> 'T20')"));

        a = makeParty(QDate(2026, 1, 20), QStringLiteral("200001"), QStringLiteral("A"));
        b = makeParty(QDate(2026, 1, 21), QStringLiteral("200002"), QStringLiteral("A"));
        c = makeParty(QDate(2026, 1, 22), QStringLiteral("200002"), QStringLiteral("A"));
        const QString booked = addGuest(a, QStringLiteral("200003"));
        const QString nominated = addGuest(a, QStringLiteral("200004"));
        bookAppointment(a, booked, QDate(2026, 2, 3));
        nominate(a, nominated, QDate(2026, 1, 20));
        enter(a, host, QStringLiteral("T10"), QStringLiteral("10"), 2);
        enter(a, booked, QStringLiteral("T20"), QStringLiteral("10"), 1);
        enter(a, booked, QStringLiteral("T30"), QStringLiteral("10"), 0);
        enter(a, nominated, QStringLiteral("T10"), QStringLiteral("10"), 1, nullptr, QStringLiteral("v"));
        enter(b, host, QStringLiteral("T10"), QStringLiteral("10"), 3);
        enter(c, host, QStringLiteral("T30"), QStringLiteral("10"), 4);
        // B joins A's part-week, C takes the next one.
        moveToPartWeek(b, QStringLiteral("1"));
        moveToPartWeek(c, QStringLiteral("2"));
        db().run(QStringLiteral("UPDATE MWoche SET REK_BESUCH = 2, VORFUEHR_1 = 3, VORFUEHR_6 = 7 "
                                "WHERE MWoche = '202604'"));
    }

    // The row of an order line by part-week, article and advance mark; -1 when missing.
    static int lineRow(const ResultTable& t, const char* partWeek, const char* article,
                       const char* vorab = "")
    {
        for (int r = 0; r < t.rowCount(); ++r) {
            if (t.value(r, QStringLiteral("TWoche")).toString() == QString::fromLatin1(partWeek) &&
                t.value(r, QStringLiteral("L_NR")).toString() == QString::fromLatin1(article) &&
                t.value(r, QStringLiteral("VORAB")).toString() == QString::fromLatin1(vorab))
                return r;
        }
        return -1;
    }

    static QStringList column(const ResultTable& t, const char* name)
    {
        QStringList values;
        for (int r = 0; r < t.rowCount(); ++r)
            values << t.value(r, QString::fromLatin1(name)).toString();
        return values;
    }

    const WeekRange all{QStringLiteral("202604"), QStringLiteral("1"), QStringLiteral("2")};
    const QString host = QStringLiteral("01");
    TransferQueries queries;
    QString a, b, c;
};

TEST_F(TransferQueriesTest, OrderLinesOfAPartWeekAreSummedOverItsPartiesAndMarkedForTheDisk)
{
    struct Case
    {
        bool onlyActive;
        const char* article;
        const char* vorab;
        double pieces;
        const char* onDisk;
        bool active;
    };
    const std::vector<Case> cases{
        {false, "T10", "", 5, "Ja", true},  {false, "T10", "v", 1, "Nein", true},
        {false, "T20", "", 1, "Ja", true},  {false, "T30", "", 0, "Nein", true},
        {true, "T10", "", 5, "Ja", true},   {true, "T20", "", 1, "Nein", false},
        {true, "T30", "", 0, "Nein", true},
    };
    for (const Case& k : cases) {
        options().setChecked(QStringLiteral("NURAKTIV"), k.onlyActive);
        const ResultTable t = queries.RechQuery(all);
        const int r = lineRow(t, "1", k.article, k.vorab);
        ASSERT_GE(r, 0) << k.article << k.vorab;
        EXPECT_EQ(t.value(r, QStringLiteral("MENGE")).toDouble(), k.pieces) << k.article;
        EXPECT_EQ(t.value(r, QStringLiteral("OnDisk")).toString(), QString::fromLatin1(k.onDisk))
            << k.article << k.vorab << " NURAKTIV " << k.onlyActive;
        EXPECT_EQ(t.value(r, QStringLiteral("Aktiv")).toBool(), k.active) << k.article;
        EXPECT_EQ(t.value(r, QStringLiteral("Nr")).toString(), QStringLiteral("1"));
    }
    const ResultTable t = queries.RechQuery(all);
    EXPECT_EQ(t.rowCount(), 5);
    EXPECT_EQ(t.columns().mid(0, 10), (QStringList{"SATZART", "B_NR", "WOCHE", "TWoche", "Z_NR", "L_NR", "VA",
                                                   "VORAB", "STUECK", "MENGE"}));
    EXPECT_EQ(t.value(0, QStringLiteral("B_NR")).toString(), QStringLiteral(" 4711"));
    EXPECT_EQ(t.value(0, QStringLiteral("WOCHE")).toString(), QStringLiteral("04"));
    EXPECT_EQ(t.value(0, QStringLiteral("SATZART")).toString(), QStringLiteral("76"));
    // C is the third party of the view: position 3 on the first disk.
    const int rowOfC = lineRow(t, "2", "T30");
    EXPECT_EQ(t.value(rowOfC, QStringLiteral("Nr")).toString(), QStringLiteral("3"));
    EXPECT_EQ(t.value(rowOfC, QStringLiteral("Disk")).toInt(), 1);
    EXPECT_EQ(queries.RechQuery({all.week, QStringLiteral("2"), QStringLiteral("2")}).rowCount(), 1);
}

TEST_F(TransferQueriesTest, AddressesListHostsAppointmentsAndNominationsByPartWeek)
{
    const ResultTable t = queries.AddressQuerry(all);
    EXPECT_EQ(column(t, "KZ"), (QStringList{"G", "G", "V", "B", "G"}));
    EXPECT_EQ(column(t, "K_NR"), (QStringList{"200001", "200002", "200003", "200004", "200002"}));
    EXPECT_EQ(column(t, "GKZ"), (QStringList{QStringLiteral("Gastgeber(in) der Vf. Nr. ") + a,
                                             QStringLiteral("Gastgeber(in) der Vf. Nr. ") + b,
                                             QStringLiteral("Verabredung auf den 03.02.2026"),
                                             QStringLiteral("Benennung vom 20.01.2026"),
                                             QStringLiteral("Gastgeber(in) der Vf. Nr. ") + c}));
    EXPECT_EQ(t.value(0, QStringLiteral("GName")).toString(), QStringLiteral("Brandt, Ute"));
    EXPECT_EQ(t.value(0, QStringLiteral("GOrt")).toString(), QStringLiteral("34117, Kassel"));
    EXPECT_EQ(t.value(0, QStringLiteral("GEBURTSTAG")).toDate(), QDate(1970, 5, 1));

    const ResultTable bookings = queries.BuchungenQuery(all);
    EXPECT_EQ(column(bookings, "K_NR"), QStringList{QStringLiteral("200003")});
    EXPECT_EQ(bookings.value(0, QStringLiteral("Verabred_Datum")).toDate(), QDate(2026, 2, 3));
    for (const char* absent : {"KZ", "OD", "GEBURTSTAG"})
        EXPECT_EQ(bookings.column(QString::fromLatin1(absent)), -1) << absent;
    EXPECT_TRUE(queries.BuchungenQuery({all.week, QStringLiteral("2"), QStringLiteral("2")}).isEmpty());
}

TEST_F(TransferQueriesTest, SuccessSumsCarryThePlanningOnTheFirstPositionOnly)
{
    const ResultTable t = queries.ERfolgQuery(all);
    EXPECT_EQ(column(t, "TWOCHE"), (QStringList{"1", "2"}));
    EXPECT_EQ(column(t, "S_VORFUEHR"), (QStringList{"2", "1"}));
    EXPECT_EQ(column(t, "Nr"), (QStringList{"1", "3"}));
    EXPECT_EQ(column(t, "GV1"), (QStringList{"3", "0"}));
    EXPECT_EQ(column(t, "GV6"), (QStringList{"7", "0"}));
    EXPECT_EQ(column(t, "RekBesuch"), (QStringList{"2", "2"}));
    EXPECT_EQ(column(t, "Woche"), (QStringList{"04", "04"}));
    const double vkg =
        db().scalar(QStringLiteral("SELECT SUM(VKG_UMSATZ) FROM Tuppkopf WHERE R_NR IN (?, ?)"), {a, b})
            .toDouble();
    EXPECT_DOUBLE_EQ(t.value(0, QStringLiteral("SS_UMSATZ")).toDouble(), vkg);

    // On its own, part-week 2 is the first position and carries the planning.
    const ResultTable second = queries.ERfolgQuery({all.week, QStringLiteral("2"), QStringLiteral("2")});
    EXPECT_EQ(column(second, "Nr"), QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(second, "GV1"), QStringList{QStringLiteral("3")});
}

TEST(TransferPositionTest, NinePartiesToADisk)
{
    const std::vector<std::tuple<int, const char*, int>> cases{{0, "", 0},   {1, "1", 1},  {9, "9", 1},
                                                               {10, "1", 2}, {18, "9", 2}, {19, "1", 3}};
    for (const auto& [position, nr, disk] : cases) {
        EXPECT_EQ(TransferQueries::diskNumber(position), QString::fromLatin1(nr)) << position;
        EXPECT_EQ(TransferQueries::disk(position), disk) << position;
    }
}

TEST(TransferConsultantNumberTest, RightAlignedInFiveCharacters)
{
    TempHome home;
    Options options(home.home().optionsFile());
    for (const auto& [given, written] : std::vector<std::pair<const char*, const char*>>{
             {"4711", " 4711"}, {"12345", "12345"}, {"1234567", "12345"}, {"", "     "}}) {
        options.setText(QStringLiteral("BNR"), QString::fromLatin1(given));
        EXPECT_EQ(TransferQueries::consultantNumber(options), QString::fromLatin1(written)) << given;
    }
}

} // namespace korbelant::test
