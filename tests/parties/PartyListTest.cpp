#include "parties/PartyList.h"
#include "support/PartyModuleFixture.h"

namespace korbelant::test {

class PartyListTest : public PartyModuleFixture
{
protected:
    PartyListTest()
    {
        for (const char* kNr : {"100003", "100004", "100005"})
            addCustomer(QString::fromLatin1(kNr), {{QStringLiteral("VORNAME"), QStringLiteral("Erika")}});
        a = makeParty(QDate(2025, 3, 10), QStringLiteral("100003"), QStringLiteral("A"));
        b = makeParty(QDate(2025, 3, 3), QStringLiteral("100005"), QStringLiteral("B"));
        c = makeParty(QDate(2025, 2, 5), QStringLiteral("100004"), QStringLiteral("A"));
        // Turnover and cost as the totals would leave them; c was moved to a later week.
        db().run(
            QStringLiteral("UPDATE Tuppkopf SET S_UMSATZ = 100, S_AUSGABE = 30, ERSTELLT = 1 WHERE R_NR = ?"),
            {a});
        db().run(QStringLiteral("UPDATE Tuppkopf SET S_UMSATZ = 200 WHERE R_NR = ?"), {b});
        db().run(QStringLiteral("UPDATE Tuppkopf SET S_UMSATZ = 1000, MWoche = '202512' WHERE R_NR = ?"),
                 {c});
    }

    QStringList numbers(PartyList::Order order)
    {
        QStringList list;
        for (const PartyList::Party& p : PartyList(db()).parties(order))
            list << p.rNr;
        return list;
    }

    QString a, b, c;
};

TEST_F(PartyListTest, EverySortOrderFollowsItsIndex)
{
    struct Case
    {
        const char* choice;
        QStringList expected;
    };
    const Case cases[] = {
        {"Woche", {b, a, c}},                 // 2025/10, 2025/11, 2025/12
        {"Vorführungsnummer", {b, c, a}},     // 030325B, 050225A, 100325A
        {"K-Nr. der Gastgeberin", {a, c, b}}, // 100003, 100004, 100005
        {"Umsatz", {a, b, c}},                // 100, 200, 1000 as numbers
        {"Datum", {c, b, a}},
    };
    ASSERT_EQ(PartyList::choices().size(), 5);
    for (const Case& k : cases) {
        const QString choice = QString::fromUtf8(k.choice);
        EXPECT_TRUE(PartyList::choices().contains(choice)) << k.choice;
        EXPECT_EQ(numbers(PartyList::fromChoice(choice)), k.expected) << k.choice;
    }
}

TEST_F(PartyListTest, RowsCarryCommissionStatusAndParticipantNames)
{
    const auto parties = PartyList(db()).parties(PartyList::Order::PartyNumber);
    const PartyList::Party& first = parties.back();
    EXPECT_EQ(first.rNr, a);
    EXPECT_EQ(first.datum, QDate(2025, 3, 10));
    EXPECT_EQ(first.mWoche, QStringLiteral("202511"));
    EXPECT_EQ(first.tWoche, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(first.provision, 70);
    EXPECT_TRUE(first.erstellt);
    EXPECT_FALSE(parties.front().erstellt);

    addGuest(a, QStringLiteral("100004"));
    addGuest(a, QStringLiteral("777777")); // unknown: kept as the unknown customer
    const auto guests = PartyList(db()).guests(a);
    ASSERT_EQ(guests.size(), 3u);
    EXPECT_EQ(guests[0].pNr, QStringLiteral("01"));
    EXPECT_EQ(guests[0].name, QStringLiteral("Kunde100003, Erika"));
    EXPECT_EQ(guests[1].pNr, QStringLiteral("02"));
    EXPECT_EQ(guests[2].name, QStringLiteral("Unbekannt, "));
    EXPECT_TRUE(PartyList(db()).guests(QStringLiteral("0000000")).empty());
}

} // namespace korbelant::test
