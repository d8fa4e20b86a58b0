#include "support/PartyModuleFixture.h"

namespace korbelant::test {

class ParticipantRules : public PartyModuleFixture
{
protected:
    QDate daysAgo(int days) const { return QDate::currentDate().addDays(-days); }
};

TEST_F(ParticipantRules, HeaderSaveCreatesHostAndWeekRecord)
{
    addCustomer(QStringLiteral("100005"), {{QStringLiteral("KM_ENTF"), 17}});
    const QString rNr = makeParty(QDate(2024, 3, 4), QStringLiteral("100005"));
    const auto host = party().participant(rNr, QStringLiteral("01"));
    ASSERT_TRUE(host);
    EXPECT_EQ(host->value(QStringLiteral("K_NR")).toString(), QStringLiteral("100005"));
    EXPECT_EQ(host->value(QStringLiteral("V_GTYP")).toString(), QStringLiteral("1"));
    EXPECT_EQ(host->value(QStringLiteral("MWoche")).toString(), QStringLiteral("202410"));
    EXPECT_EQ(host->value(QStringLiteral("DATUM")).toDate(), QDate(2024, 3, 4));
    EXPECT_TRUE(db().scalar(QStringLiteral("SELECT 1 FROM MWoche WHERE MWoche = '202410'")).isValid());
    EXPECT_EQ(header(rNr).value(QStringLiteral("KM_EINFACH")).toInt(), 17);
    EXPECT_EQ(header(rNr).value(QStringLiteral("BZH_VF_NR")).toString(),
              TVorFuerModul::BZH_VF_NR(QDate(2024, 3, 4), QStringLiteral("A")));

    // A new host of a stored party: the host participant follows, a distance of 0 keeps the old one.
    addCustomer(QStringLiteral("100006"), {{QStringLiteral("KM_ENTF"), 0}});
    TVorFuerModul::Record h = header(rNr);
    party().setHost(h, QStringLiteral("100006"));
    party().saveHeader(h);
    EXPECT_EQ(party().participant(rNr, QStringLiteral("01"))->value(QStringLiteral("K_NR")).toString(),
              QStringLiteral("100006"));
    EXPECT_EQ(header(rNr).value(QStringLiteral("KM_EINFACH")).toInt(), 17);
}

TEST_F(ParticipantRules, UnknownCustomerAndParticipantType)
{
    const QString rNr = makeParty(QDate(2024, 3, 4));
    const QString first = addGuest(rNr, QStringLiteral("424242"));
    const QString second = addGuest(rNr, QString());
    EXPECT_EQ(first, QStringLiteral("02"));
    EXPECT_EQ(second, QStringLiteral("03"));
    for (const QString& pNr : {first, second}) {
        const auto p = party().participant(rNr, pNr);
        EXPECT_EQ(p->value(QStringLiteral("K_NR")).toString(), QStringLiteral("099999"));
        EXPECT_EQ(p->value(QStringLiteral("V_GTYP")).toString(), QStringLiteral("0"));
        EXPECT_TRUE(p->value(QStringLiteral("BEZAHLT")).toBool());
    }
}

TEST_F(ParticipantRules, HostTypeBecomesJUnlessClub)
{
    struct Case
    {
        const char* before;
        const char* after;
    };
    int n = 0;
    for (const Case& c : {Case{"C", "C"}, Case{"N", "J"}, Case{"S", "J"}, Case{"", "J"}}) {
        const QString kNr = QString::number(100010 + n);
        addCustomer(kNr, {{QStringLiteral("GASTGEBER"), QString::fromLatin1(c.before)}});
        makeParty(QDate(2024, 3, 4).addDays(n++), kNr);
        EXPECT_EQ(customerField(kNr, QStringLiteral("GASTGEBER")).toString(), QString::fromLatin1(c.after))
            << c.before;
    }
    // A guest keeps her type.
    addCustomer(QStringLiteral("100020"), {{QStringLiteral("GASTGEBER"), QStringLiteral("N")}});
    addGuest(makeParty(QDate(2024, 4, 1)), QStringLiteral("100020"));
    EXPECT_EQ(customerField(QStringLiteral("100020"), QStringLiteral("GASTGEBER")).toString(),
              QStringLiteral("N"));
}

TEST_F(ParticipantRules, OldPartyUpdatesOnlyFirstParticipation)
{
    const QDate old = daysAgo(22);
    addCustomer(QStringLiteral("100005"), {{QStringLiteral("N_DATUM"), daysAgo(30)}});
    const QString rNr = makeParty(old);
    auto p = party().participant(rNr, addGuest(rNr, QStringLiteral("100005")));
    (*p)[QStringLiteral("Verabred_DATUM")] = daysAgo(-30);
    party().saveParticipant(*p);
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("E_DATUM")).toString(),
              old.toString(Qt::ISODate));
    EXPECT_FALSE(customerField(QStringLiteral("100005"), QStringLiteral("L_DATUM")).isValid());
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("N_DATUM")).toString(),
              daysAgo(30).toString(Qt::ISODate));
}

TEST_F(ParticipantRules, RecentPartyUpdatesLastAndNextParty)
{
    const QDate recent = daysAgo(21);
    addCustomer(QStringLiteral("100005"), {{QStringLiteral("E_DATUM"), QDate(2010, 1, 1)},
                                           {QStringLiteral("L_DATUM"), QDate(2011, 1, 1)}});
    addCustomer(QStringLiteral("100006"), {{QStringLiteral("N_DATUM"), daysAgo(25)},
                                           {QStringLiteral("N_ZEIT"), QStringLiteral("20:00")}});
    const QString rNr = makeParty(recent);
    auto p = party().participant(rNr, addGuest(rNr, QStringLiteral("100005")));
    (*p)[QStringLiteral("Verabredung")] = true;
    (*p)[QStringLiteral("Verabred_DATUM")] = daysAgo(-14);
    (*p)[QStringLiteral("Verabred_ZEIT")] = QStringLiteral("19:30");
    party().saveParticipant(*p);
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("E_DATUM")).toString(),
              QStringLiteral("2010-01-01"));
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("L_DATUM")).toString(),
              recent.toString(Qt::ISODate));
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("N_DATUM")).toString(),
              daysAgo(-14).toString(Qt::ISODate));
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("N_ZEIT")).toString(),
              QStringLiteral("19:30:00"));

    // Without an appointment a next party on or before this one is cleared.
    addGuest(rNr, QStringLiteral("100006"));
    EXPECT_FALSE(customerField(QStringLiteral("100006"), QStringLiteral("N_DATUM")).isValid());
    EXPECT_FALSE(customerField(QStringLiteral("100006"), QStringLiteral("N_ZEIT")).isValid());
}

TEST_F(ParticipantRules, SuppressedCustomerUpdate)
{
    addCustomer(QStringLiteral("100005"), {{QStringLiteral("GASTGEBER"), QStringLiteral("N")}});
    party().setCustomerUpdateSuppressed(true);
    makeParty(daysAgo(1), QStringLiteral("100005"));
    EXPECT_FALSE(customerField(QStringLiteral("100005"), QStringLiteral("E_DATUM")).isValid());
    EXPECT_EQ(customerField(QStringLiteral("100005"), QStringLiteral("GASTGEBER")).toString(),
              QStringLiteral("N"));
}

TEST_F(ParticipantRules, HostCannotBeDeletedAndGuestDeletionAsks)
{
    const QString rNr = makeParty(QDate(2024, 3, 4));
    const QString guest = addGuest(rNr, QStringLiteral("100001"));
    EXPECT_FALSE(party().deleteParticipant(rNr, QStringLiteral("01")));
    EXPECT_EQ(ui().shown().last().text, QStringLiteral("Die Gastgeberin kann nicht gelöscht werden"));
    EXPECT_FALSE(party().deleteParticipant(rNr, guest));
    EXPECT_EQ(ui().shown().last().text, QStringLiteral("Gast wirklich löschen ?"));
    EXPECT_TRUE(party().participant(rNr, guest));
    ui().addAnswer(UiPort::Answer::Ok);
    EXPECT_TRUE(party().deleteParticipant(rNr, guest));
    EXPECT_FALSE(party().participant(rNr, guest));
    // The next guest takes the number after the highest one left.
    EXPECT_EQ(addGuest(rNr, QStringLiteral("100001")), QStringLiteral("02"));
}

} // namespace korbelant::test
