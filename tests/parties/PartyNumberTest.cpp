#include "parties/CountStepper.h"
#include "support/PartyModuleFixture.h"

namespace korbelant::test {

TEST(PartyNumber, DistributorIdentifierFromDaysAndSuffix)
{
    struct Case
    {
        QDate date;
        const char* suffix;
        const char* expected;
    };
    const Case cases[] = {
        {{2006, 1, 1}, "A", "00010"},  // day 0, "A" gives 10
        {{2006, 3, 8}, "B", "06611"},  // 66 days, "B" gives 11
        {{2006, 1, 2}, "Z", "00135"},  // 1 day, "Z" gives 35
        {{2024, 3, 1}, "A", "63410"},  // 6634 days: "663410" keeps its last five characters
        {{2033, 5, 18}, "C", "99912"}, // 9999 days: "999912"
        {{2033, 5, 19}, "C", "00012"}, // 10000 days: "1000012" keeps "00012"
    };
    for (const Case& c : cases)
        EXPECT_EQ(TVorFuerModul::BZH_VF_NR(c.date, QString::fromLatin1(c.suffix)),
                  QString::fromLatin1(c.expected))
            << c.date.toString().toStdString();
}

class PartyNumberDialog : public PartyModuleFixture
{
};

TEST_F(PartyNumberDialog, ChecksDateFutureSuffixAndDuplicate)
{
    const QDate today(2024, 6, 1);
    EXPECT_FALSE(party().checkPartyNumber(QStringLiteral("31.02.2024"), QStringLiteral("A"), today));
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Kein gültiges Datum")));

    // A future date asks; without an answer the dialog stays open, with OK it closes.
    EXPECT_FALSE(party().checkPartyNumber(QStringLiteral("02.06.2024"), QStringLiteral("A"), today));
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Datum größer heute.")));
    ui().addAnswer(UiPort::Answer::Ok);
    EXPECT_EQ(party().checkPartyNumber(QStringLiteral("02.06.2024"), QStringLiteral("b"), today),
              QStringLiteral("020624B"));

    // No suffix: nothing happens, no message.
    const auto shownBefore = ui().shown().size();
    EXPECT_FALSE(party().checkPartyNumber(QStringLiteral("01.06.2024"), QString(), today));
    EXPECT_EQ(ui().shown().size(), shownBefore);

    makeParty(QDate(2024, 5, 31));
    EXPECT_FALSE(party().checkPartyNumber(QStringLiteral("31.05.2024"), QStringLiteral("A"), today));
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Vorführungsnummer schon vorhanden")));
    EXPECT_EQ(party().checkPartyNumber(QStringLiteral("31.05.2024"), QStringLiteral("B"), today),
              QStringLiteral("310524B"));
}

TEST_F(PartyNumberDialog, PartWeeksRunFromOneToNineThenLetters)
{
    // Monday to Friday of week 2024/10, two parties a day.
    QStringList marks;
    for (int i = 0; i < 10; ++i) {
        const QString rNr = makeParty(QDate(2024, 3, 4).addDays(i / 2), QStringLiteral("100001"),
                                      i % 2 ? QStringLiteral("B") : QStringLiteral("A"));
        marks << header(rNr).value(QStringLiteral("TWoche")).toString();
        EXPECT_EQ(header(rNr).value(QStringLiteral("MWoche")).toString(), QStringLiteral("202410"));
    }
    EXPECT_EQ(marks.join(QString()), QStringLiteral("123456789A"));
    EXPECT_EQ(party().NextTWoche(QStringLiteral("202410")), QStringLiteral("B"));
    EXPECT_EQ(party().NextTWoche(QStringLiteral("202411")), QStringLiteral("1"));
}

TEST_F(PartyNumberDialog, MovedPartyTakesNextMarkOfNewWeekAndKeepsItsNumber)
{
    makeParty(QDate(2024, 3, 11));
    makeParty(QDate(2024, 3, 12));
    const QString moved = makeParty(QDate(2024, 3, 4));
    const QString guest = addGuest(moved, QStringLiteral("100001"));
    addArticle(QStringLiteral("T100"), QStringLiteral("10"), 10);
    ASSERT_EQ(enter(moved, guest, QStringLiteral("T100"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);

    // "Datum ändern" into week 11, which has marks 1 and 2.
    TVorFuerModul::Record h = header(moved);
    party().changeDate(h, QDate(2024, 3, 13));
    h = header(moved);
    EXPECT_EQ(h.value(QStringLiteral("R_NR")).toString(), moved);
    EXPECT_EQ(h.value(QStringLiteral("MWoche")).toString(), QStringLiteral("202411"));
    EXPECT_EQ(h.value(QStringLiteral("TWoche")).toString(), QStringLiteral("3"));
    EXPECT_EQ(h.value(QStringLiteral("DATUM")).toDate(), QDate(2024, 3, 13));
    for (const auto& p : party().participants(moved)) {
        EXPECT_EQ(p.value(QStringLiteral("MWoche")).toString(), QStringLiteral("202411"));
        EXPECT_EQ(p.value(QStringLiteral("TWoche")).toString(), QStringLiteral("3"));
        EXPECT_EQ(p.value(QStringLiteral("DATUM")).toDate(), QDate(2024, 3, 13));
    }
    EXPECT_EQ(
        db().scalar(QStringLiteral(
                        "SELECT COUNT(*) FROM Tupper1 WHERE R_NR = ? AND MWoche = '202411' AND TWoche = '3'"),
                    {moved})
            .toInt(),
        1);
    EXPECT_TRUE(db().scalar(QStringLiteral("SELECT 1 FROM MWoche WHERE MWoche = '202411'")).isValid());

    // Year and week of the dialog move it again, to the first mark of an empty week.
    EXPECT_TRUE(party().dialogOk(h, QStringLiteral("2024"), QStringLiteral("20")));
    party().saveHeader(h);
    EXPECT_EQ(header(moved).value(QStringLiteral("MWoche")).toString(), QStringLiteral("202420"));
    EXPECT_EQ(header(moved).value(QStringLiteral("TWoche")).toString(), QStringLiteral("1"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1 WHERE MWoche = '202420'")).toInt(), 1);
}

TEST_F(PartyNumberDialog, DialogRefusesWeekYearAndUnknownHost)
{
    const QString rNr = makeParty(QDate(2024, 3, 4));
    TVorFuerModul::Record h = header(rNr);
    struct Case
    {
        const char* year;
        const char* week;
        const char* message;
    };
    const Case cases[] = {{"2024", "54", "Nur Woche 01 bis 53 möglich"},
                          {"2024", "00", "Nur Woche 01 bis 53 möglich"},
                          {"2024", "5", "Nur Woche 01 bis 53 möglich"},
                          {"1989", "10", "Nur Jahreszahlen ab 1990 möglich"}};
    for (const Case& c : cases) {
        EXPECT_FALSE(party().dialogOk(h, QString::fromLatin1(c.year), QString::fromLatin1(c.week)));
        EXPECT_EQ(ui().shown().last().text, QString::fromUtf8(c.message));
    }
    h[QStringLiteral("K_NR")] = QStringLiteral("777777");
    EXPECT_FALSE(party().dialogOk(h, QStringLiteral("2024"), QStringLiteral("10")));
    EXPECT_EQ(ui().shown().last().text, QStringLiteral("Sie müssen eine gültige Kunden-Nr. eingeben"));
}

TEST_F(PartyNumberDialog, NewPartyRemovesLeftOverLinesOfItsNumber)
{
    db().run(QStringLiteral(
        "INSERT INTO Tupper1 (R_NR, P_NR, ID, L_NR, VA) VALUES ('040324A', '02', 1, 'X', '10')"));
    makeParty(QDate(2024, 3, 4));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1 WHERE R_NR = '040324A'")).toInt(), 0);
}

} // namespace korbelant::test

namespace korbelant::test {

TEST(CountStepper, UpAndDownButtonsOfTheCounts)
{
    EXPECT_EQ(CountStepper::up(std::nullopt), 1);
    EXPECT_EQ(CountStepper::up(0), 1);
    EXPECT_EQ(CountStepper::up(-3), -2);
    EXPECT_EQ(CountStepper::down(std::nullopt), std::nullopt);
    EXPECT_EQ(CountStepper::down(-3), 0);
    EXPECT_EQ(CountStepper::down(0), 0);
    EXPECT_EQ(CountStepper::down(5), 4);
}

} // namespace korbelant::test
