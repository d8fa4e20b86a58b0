#include "support/PartyModuleFixture.h"

#include "cli/BenchDataGenerator.h"
#include "core/WeekKey.h"

namespace korbelant::test {

namespace {

double num(const TVorFuerModul::Record& h, const char* field)
{
    return h.value(QString::fromLatin1(field)).toDouble();
}

} // namespace

class PartyTotals : public PartyModuleFixture
{
protected:
    void SetUp() override
    {
        addArticle(QStringLiteral("T10"), QStringLiteral("10"), 20.0, 3);
        addArticle(QStringLiteral("T32"), QStringLiteral("32"), 10.0);
        addArticle(QStringLiteral("T15"), QStringLiteral("15"), 5.0);
        rNr = makeParty(QDate(2024, 3, 4));
        guest = addGuest(rNr, QStringLiteral("100001"));
    }
    void insertLine(const QString& va, double pieces, double summe)
    {
        db().run(QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, STUECK, SUMME, KOSTEN) VALUES "
                                "(?, ?, 'T10', ?, ?, ?, 0)"),
                 {rNr, guest, va.isEmpty() ? QVariant() : QVariant(va), pieces, summe});
    }
    TVorFuerModul::Record recalculated()
    {
        TVorFuerModul::Record h = header(rNr);
        party().RecalcPartyTotals(h);
        return h;
    }

    QString rNr;
    QString guest;
};

TEST_F(PartyTotals, AdvanceLinesCountInTurnoverButNotInStarsUnlessOptionSet)
{
    ASSERT_EQ(enter(rNr, guest, QStringLiteral("T10"), QStringLiteral("10"), 2),
              GuestLineRules::SaveResult::Saved);
    ASSERT_EQ(enter(rNr, guest, QStringLiteral("T10"), QStringLiteral("10"), 1, nullptr, QStringLiteral("V")),
              GuestLineRules::SaveResult::Saved);
    // Star article for the host, marked as advance: 3 stars worth 20.
    ASSERT_EQ(enter(rNr, QStringLiteral("01"), QStringLiteral("T10"), QStringLiteral("34"), 1, nullptr,
                    QStringLiteral("V")),
              GuestLineRules::SaveResult::Saved);
    party().closeGuestWindow(rNr, guest);

    TVorFuerModul::Record h = header(rNr);
    EXPECT_DOUBLE_EQ(num(h, "S_UMSATZ"), 60.0);
    EXPECT_DOUBLE_EQ(num(h, "S_AUSGABE"), 45.0);
    EXPECT_DOUBLE_EQ(num(h, "S_PROV"), 15.0);
    EXPECT_DOUBLE_EQ(num(h, "VKG_UMSATZ"), 60.0);
    EXPECT_DOUBLE_EQ(num(h, "UM_STERNE"), 40.0);
    EXPECT_EQ(h.value(QStringLiteral("STERNE")).toInt(), 0);
    EXPECT_DOUBLE_EQ(num(h, "STERNE_DM"), 0.0);
    EXPECT_DOUBLE_EQ(party().participant(rNr, guest)->value(QStringLiteral("UMSATZ")).toDouble(), 60.0);

    options().setChecked(QStringLiteral("VORAB"), true);
    h = recalculated();
    EXPECT_DOUBLE_EQ(num(h, "UM_STERNE"), 60.0);
    EXPECT_EQ(h.value(QStringLiteral("STERNE")).toInt(), 3);
    EXPECT_DOUBLE_EQ(num(h, "STERNE_DM"), 20.0);
    EXPECT_EQ(party().TKopfTableCalcFields(h).provision, 15.0);
}

TEST_F(PartyTotals, RecalculationTouchesOnlyItsParty)
{
    const QString other = makeParty(QDate(2024, 3, 5));
    const QString otherGuest = addGuest(other, QStringLiteral("100001"));
    ASSERT_EQ(enter(other, otherGuest, QStringLiteral("T32"), QStringLiteral("32"), 4),
              GuestLineRules::SaveResult::Saved);
    party().closeGuestWindow(other, otherGuest);
    const TVorFuerModul::Record before = header(other);
    ASSERT_EQ(before.value(QStringLiteral("S_ANGEBOTE")).toInt(), 4);

    ASSERT_EQ(enter(rNr, guest, QStringLiteral("T10"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);
    party().closeGuestWindow(rNr, guest);
    EXPECT_DOUBLE_EQ(num(header(rNr), "S_UMSATZ"), 20.0);
    EXPECT_EQ(header(other), before);
}

TEST_F(PartyTotals, UnknownKindsLeaveTheSumsButCountAsPieces)
{
    db().run(QStringLiteral("DELETE FROM VA WHERE VA IN ('32', '38')"));
    insertLine(QStringLiteral("10"), 1, 10.0);
    insertLine(QStringLiteral("32"), 3.7, 37.0);
    insertLine(QStringLiteral("38"), 2, 8.0);
    insertLine(QStringLiteral("77"), 1, 99.0);
    TVorFuerModul::Record h = recalculated();
    EXPECT_DOUBLE_EQ(num(h, "S_UMSATZ"), 10.0);
    EXPECT_EQ(h.value(QStringLiteral("S_ANGEBOTE")).toInt(), 3);
    EXPECT_EQ(h.value(QStringLiteral("S_VerkServicePr")).toInt(), 2);

    // A line without a kind clears both piece counts; the sums stay.
    insertLine(QString(), 1, 5.0);
    h = recalculated();
    EXPECT_DOUBLE_EQ(num(h, "S_UMSATZ"), 10.0);
    EXPECT_EQ(h.value(QStringLiteral("S_ANGEBOTE")).toInt(), 0);
    EXPECT_EQ(h.value(QStringLiteral("S_VerkServicePr")).toInt(), 0);
}

TEST_F(PartyTotals, PartyWithoutLinesKeepsItsSumsButNotItsStars)
{
    db().run(
        QStringLiteral(
            "UPDATE Tuppkopf SET S_UMSATZ = 123, STERNE = 4, S_ANGEBOTE = 2, VERABRED = 3 WHERE R_NR = ?"),
        {rNr});
    const TVorFuerModul::Record h = recalculated();
    EXPECT_DOUBLE_EQ(num(h, "S_UMSATZ"), 123.0);
    EXPECT_EQ(h.value(QStringLiteral("S_ANGEBOTE")).toInt(), 2);
    EXPECT_EQ(h.value(QStringLiteral("VERABRED")).toInt(), 3);
    EXPECT_EQ(h.value(QStringLiteral("STERNE")).toInt(), 0);
}

TEST_F(PartyTotals, VagWarning)
{
    struct Case
    {
        std::vector<std::pair<const char*, double>> lines;
        const char* message;
    };
    const Case cases[] = {{{{"10", 1}}, "Sie haben noch kein VAG eingegeben."},
                          {{{"33", 1}}, nullptr},
                          {{{"33", 1}, {"15", 1.5}}, "Sie haben mehr als ein VAG eingegeben."},
                          {{{"15", 0.5}}, "Sie haben noch kein VAG eingegeben."}};
    for (const Case& c : cases) {
        db().run(QStringLiteral("DELETE FROM Tupper1"));
        for (const auto& [va, pieces] : c.lines)
            insertLine(QString::fromLatin1(va), pieces, 1.0);
        const auto before = ui().shown().size();
        party().CheckVAG(rNr);
        if (c.message) {
            ASSERT_EQ(ui().shown().size(), before + 1);
            EXPECT_EQ(ui().shown().last().text, QString::fromUtf8(c.message));
        } else {
            EXPECT_EQ(ui().shown().size(), before);
        }
    }
    options().setChecked(QStringLiteral("c_VAG"), false);
    const auto before = ui().shown().size();
    party().CheckVAG(rNr);
    EXPECT_EQ(ui().shown().size(), before);
}

class AppointmentWindow : public PartyModuleFixture
{
protected:
    // A party on `date` with guests whose appointments lie the given days after it.
    TVorFuerModul::Record partyWithAppointments(const QDate& date, const std::vector<int>& daysLater)
    {
        const QString rNr = makeParty(date);
        for (int days : daysLater) {
            auto p = party().participant(rNr, addGuest(rNr, QStringLiteral("100001")));
            (*p)[QStringLiteral("Verabredung")] = true;
            (*p)[QStringLiteral("Verabred_DATUM")] = date.addDays(days);
            party().saveParticipant(*p);
        }
        TVorFuerModul::Record h = header(rNr);
        party().saveHeader(h);
        return header(rNr);
    }
};

TEST_F(AppointmentWindow, SundayAndMondayCutOff)
{
    struct Case
    {
        QDate date;
        int lastCounted;
    };
    // Weeks = 5: a Sunday party counts appointments up to 42 days later, a Monday party 41.
    for (const Case& c :
         {Case{QDate(2024, 3, 10), 42}, Case{QDate(2024, 3, 11), 41}, Case{QDate(2024, 3, 16), 36}}) {
        const auto h = partyWithAppointments(c.date, {1, c.lastCounted, c.lastCounted + 1});
        EXPECT_EQ(party().starCutOffDay(c.date), c.date.addDays(c.lastCounted));
        EXPECT_EQ(party().TKopfTableCalcFields(h).verabred2, 2) << c.date.toString().toStdString();
        EXPECT_EQ(h.value(QStringLiteral("VERABRED")).toInt(), 3);
        db().run(QStringLiteral("DELETE FROM Tuppkopf"));
    }
}

TEST_F(AppointmentWindow, WeeksNotANumberCountsNothing)
{
    const auto h = partyWithAppointments(QDate(2024, 3, 11), {1});
    options().setText(QStringLiteral("Weeks"), QStringLiteral("fünf"));
    EXPECT_EQ(party().TKopfTableCalcFields(h).verabred2, 0);
}

TEST_F(AppointmentWindow, CalculatedHeaderValues)
{
    addCustomer(QStringLiteral("100005"), {{QStringLiteral("NAME"), QStringLiteral("Müller")},
                                           {QStringLiteral("VORNAME"), QStringLiteral("Anna")}});
    auto h = partyWithAppointments(QDate(2024, 3, 11), {3});
    party().setHost(h, QStringLiteral("100005"));
    h[QStringLiteral("KM_EINFACH")] = 12;
    h[QStringLiteral("VORBEREIT1")] = QDate(2024, 3, 1);
    h[QStringLiteral("AUSLIEFER2")] = QDate(2024, 3, 20);
    h[QStringLiteral("UM_STERNE")] = 450.0;
    const auto calc = party().TKopfTableCalcFields(h);
    EXPECT_EQ(calc.name, QStringLiteral("Müller, Anna"));
    EXPECT_EQ(calc.summeKm, 12 * 6);
    EXPECT_EQ(calc.verabred2, 1);
    EXPECT_EQ(calc.mSterne, 5); // band 400-499.99 gives 4, one appointment 1 more
    EXPECT_TRUE(calc.guestWarning);
    EXPECT_FALSE(calc.starWarning);
    h[QStringLiteral("STERNE")] = 6;
    h[QStringLiteral("GAESTE")] = 4;
    EXPECT_TRUE(party().TKopfTableCalcFields(h).starWarning);
    EXPECT_FALSE(party().TKopfTableCalcFields(h).guestWarning);
    h[QStringLiteral("K_NR")] = QStringLiteral("555555");
    EXPECT_EQ(party().TKopfTableCalcFields(h).name, QStringLiteral(", "));
}

class StarPlanTest : public PartyModuleFixture
{
};

TEST_F(StarPlanTest, EarnedStarsByBandIntervalAndBonus)
{
    struct Case
    {
        double amount;
        int appointments;
        int stars;
    };
    const Case cases[] = {{0, 0, 0},       {199.99, 0, 0}, {200, 0, 2},      {299.99, 0, 2}, {450, 1, 5},
                          {999.99, 2, 11}, {1000, 0, 10},  {1099.98, 0, 10}, {1100, 0, 11},  {1250, 3, 14}};
    for (const Case& c : cases)
        EXPECT_EQ(party().starPlan().StarsByPlan(c.amount, c.appointments), c.stars) << c.amount;
}

TEST_F(StarPlanTest, NoIntervalAndValuesThatAreNoNumbers)
{
    db().run(QStringLiteral(
        "UPDATE SternePlan SET SchrittBetrag = 0 WHERE rowid = (SELECT MIN(rowid) FROM SternePlan)"));
    EXPECT_EQ(party().starPlan().StarsByPlan(1500, 0), 0);
    EXPECT_EQ(party().starPlan().StarsByPlan(1500, 2), 2);
    db().run(QStringLiteral(
        "UPDATE SternePlan SET Verabredung1 = 'x' WHERE rowid = (SELECT MIN(rowid) FROM SternePlan)"));
    EXPECT_EQ(party().starPlan().StarsByPlan(450, 1), 4);
    db().run(QStringLiteral("DELETE FROM SternePlan"));
    EXPECT_EQ(party().starPlan().StarsByPlan(450, 1), 0);
}

class BulkTotals : public PartyModuleFixture
{
protected:
    static constexpr BenchDataGenerator::Size kTiny{30, 50, 10, 2, 3};

    static qint64 count(Database& db, const char* table)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table)).toLongLong();
    }
    static QString digest(Database& db)
    {
        return db
            .scalar(QStringLiteral(
                "SELECT (SELECT GROUP_CONCAT(R_NR || DATUM || K_NR || ERSTELLT || S_UMSATZ, ';') FROM "
                "(SELECT * FROM Tuppkopf ORDER BY R_NR)) || '|' || (SELECT GROUP_CONCAT(R_NR || P_NR || "
                "IFNULL(L_NR, '-') || VA || SUMME, ';') FROM (SELECT * FROM Tupper1 ORDER BY ID))"))
            .toString();
    }
};

TEST_F(BulkTotals, GeneratedHeadersCarryWhatRecalcPartyTotalsComputes)
{
    BenchDataGenerator(db(), options(), 7, QDate(2024, 6, 12)).generate({60, 120, 40, 4, 4});
    const auto parties = db().rows(QStringLiteral("SELECT R_NR FROM Tuppkopf"));
    ASSERT_EQ(parties.size(), 40u);
    for (const QVariantList& row : parties) {
        const TVorFuerModul::Record stored = header(row[0].toString());
        TVorFuerModul::Record again = stored;
        party().RecalcPartyTotals(again);
        for (const char* field :
             {"S_UMSATZ", "S_AUSGABE", "S_PROV", "VKG_UMSATZ", "WB_UMSATZ", "STERNE", "STERNE_DM",
              "UM_STERNE", "S_ANGEBOTE", "S_VerkServicePr", "VERABRED", "BENENN_TUP"})
            EXPECT_NEAR(num(again, field), num(stored, field), 1e-9)
                << field << " " << row[0].toString().toStdString();
    }
    EXPECT_GT(db().scalar(QStringLiteral("SELECT SUM(S_UMSATZ) FROM Tuppkopf")).toDouble(), 0.0);
    EXPECT_EQ(db()
                  .scalar(QStringLiteral(
                      "SELECT COUNT(*) FROM Tupper p WHERE ABS(UMSATZ - (SELECT TOTAL(SUMME) FROM Tupper1 l "
                      "WHERE l.R_NR = p.R_NR AND l.P_NR = p.P_NR)) > 1e-9"))
                  .toInt(),
              0);
}

TEST_F(BulkTotals, SameSeedSameData)
{
    const QDate lastDay(2024, 6, 12);
    BenchDataGenerator(db(), options(), 3, lastDay).generate(kTiny);
    TempHome other;
    auto otherSet = DataSet::open(other.home());
    BenchDataGenerator(otherSet->db(), otherSet->options(), 3, lastDay).generate(kTiny);
    // Two empty data sets would agree as well.
    ASSERT_EQ(count(db(), "Tuppkopf"), kTiny.parties);
    ASSERT_GT(count(db(), "Tupper1"), 0);
    EXPECT_EQ(digest(db()), digest(otherSet->db()));

    TempHome third;
    auto thirdSet = DataSet::open(third.home());
    BenchDataGenerator(thirdSet->db(), thirdSet->options(), 4, lastDay).generate(kTiny);
    ASSERT_EQ(count(thirdSet->db(), "Tuppkopf"), kTiny.parties);
    EXPECT_NE(digest(db()), digest(thirdSet->db())) << "another seed, other data";
}

TEST_F(BulkTotals, LastPartyFallsInTheWeekOfTheLastDay)
{
    // A Monday, a Sunday, a New Year's Day in the week 1 that began in December, the end of a week 53.
    for (const QDate lastDay :
         {QDate(2024, 6, 10), QDate(2024, 6, 16), QDate(2025, 1, 1), QDate(2021, 1, 3)}) {
        SCOPED_TRACE(lastDay.toString(Qt::ISODate).toStdString());
        TempHome home;
        auto set = DataSet::open(home.home());
        BenchDataGenerator(set->db(), set->options(), 5, lastDay).generate({30, 50, 40, 1, 2});
        const auto last = set->db().rows(QStringLiteral(
            "SELECT DATUM, MWoche, ERSTELLT FROM Tuppkopf ORDER BY DATUM DESC, R_NR DESC LIMIT 1"));
        ASSERT_EQ(last.size(), 1u);
        EXPECT_EQ(last[0][0].toString(), lastDay.toString(Qt::ISODate));
        EXPECT_EQ(last[0][1].toString(), WeekKey::weekKey(lastDay));
        EXPECT_EQ(last[0][2].toInt(), 0) << "the last party is not transferred yet";
        const QDate first = QDate::fromString(
            set->db().scalar(QStringLiteral("SELECT MIN(DATUM) FROM Tuppkopf")).toString(), Qt::ISODate);
        EXPECT_GE(first, lastDay.addYears(-20));
        EXPECT_LT(first, lastDay.addYears(-19));
        // Parties of the last two weeks are still open, every older one has gone to the distributor.
        EXPECT_EQ(
            set->db()
                .scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE (DATUM >= ?) = (ERSTELLT = 1)"),
                        {lastDay.addDays(-14).toString(Qt::ISODate)})
                .toInt(),
            0);
    }
}

} // namespace korbelant::test
