#include "customers/DueReminders.h"
#include "core/WeekKey.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"
#include "week/InfoSummary.h"

namespace korbelant::test {

namespace {

QDate d(const char* text)
{
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd.MM.yyyy"));
}

QStringList numbers(const DueReminders::List& list)
{
    QStringList found;
    for (const DueReminders::Customer& c : list)
        found << c.kNr;
    return found;
}

} // namespace

TEST(DueRemindersBirthday, WeekFromTodayCountedInALeapYearOverTheYearEnd)
{
    struct Case
    {
        const char* today;
        const char* birthday;
        bool due;
    };
    for (const Case& k : std::vector<Case>{{"28.12.2026", "28.12.1960", true},
                                           {"28.12.2026", "31.12.1971", true},
                                           {"28.12.2026", "02.01.1980", true},
                                           {"28.12.2026", "03.01.1980", false},
                                           {"28.12.2026", "27.12.1980", false},
                                           {"23.02.2027", "29.02.1964", true},
                                           {"22.02.2027", "29.02.1964", false},
                                           {"28.02.2027", "29.02.1964", true},
                                           {"01.03.2027", "29.02.1964", false},
                                           {"23.02.2028", "29.02.1964", true},
                                           {"29.02.2028", "29.02.1964", true},
                                           {"10.12.2026", "16.12.1990", true},
                                           {"10.12.2026", "17.12.1990", false}})
        EXPECT_EQ(DueReminders::birthdayDue(d(k.birthday), d(k.today)), k.due)
            << k.today << " " << k.birthday;
    EXPECT_FALSE(DueReminders::birthdayDue(QDate(), d("10.12.2026")));
}

class DueRemindersTest : public DataSetFixture
{
protected:
    void add(const char* number, const char* field, const QDate& date)
    {
        CustomerBuilder::addDated(db(), number, field, date);
    }
};

TEST_F(DueRemindersTest, ListsOfTheDayAndWhetherTheWindowOpensAtStart)
{
    const QDate today = d("10.12.2026");
    DueReminders due(db());
    options().setChecked(QStringLiteral("Geburtstage"), false);
    options().setChecked(QStringLiteral("Vorfuehrungen"), false);
    EXPECT_FALSE(due.openAtStart(options(), today));

    add("900001", "WiederVorlage", d("01.01.2000"));
    add("900002", "WiederVorlage", d("31.12.1999"));
    add("900003", "WiederVorlage", today);
    add("900004", "WiederVorlage", today.addDays(1));
    add("900005", "N_DATUM", today);
    add("900006", "N_DATUM", today.addDays(6));
    add("900007", "N_DATUM", today.addDays(7));
    add("900008", "GEBURTSTAG", d("11.12.1970"));
    EXPECT_EQ(numbers(due.followUps(today)), (QStringList{"900003", "900001"}));
    EXPECT_EQ(numbers(due.parties(today)), (QStringList{"900005", "900006"}));
    EXPECT_EQ(numbers(due.birthdays(today)), QStringList{"900008"});

    // Both options cleared: only a follow-up opens the window.
    EXPECT_TRUE(due.openAtStart(options(), today));
    due.clearFollowUp(QStringLiteral("900003"));
    due.clearFollowUp(QStringLiteral("900001"));
    EXPECT_TRUE(due.followUps(today).empty());
    EXPECT_FALSE(due.openAtStart(options(), today));
    // Either option set: the birthday or the party alone opens it, whichever option is set.
    options().setChecked(QStringLiteral("Vorfuehrungen"), true);
    EXPECT_TRUE(due.openAtStart(options(), today));
    db().run(QStringLiteral("UPDATE Kunden SET N_DATUM = NULL"));
    EXPECT_TRUE(due.openAtStart(options(), today)) << "the birthday tomorrow";
    db().run(QStringLiteral("UPDATE Kunden SET GEBURTSTAG = NULL"));
    EXPECT_FALSE(due.openAtStart(options(), today));
}

TEST(InfoSummaryLines, GreetingChangeOverAndStates)
{
    EXPECT_EQ(InfoSummary::greetingAt(QTime(9, 59)), QStringLiteral("Guten Morgen,"));
    EXPECT_EQ(InfoSummary::greetingAt(QTime(10, 0)), QStringLiteral("Guten Tag,"));
    EXPECT_EQ(InfoSummary::greetingAt(QTime(17, 59)), QStringLiteral("Guten Tag,"));
    EXPECT_EQ(InfoSummary::greetingAt(QTime(18, 0)), QStringLiteral("Guten Abend,"));
    EXPECT_EQ(InfoSummary::changeOverOn(d("31.12.2001"), false),
              QStringLiteral("Es sind noch 1 Tage bis zur Währungsumstellung."));
    EXPECT_EQ(InfoSummary::changeOverOn(d("01.01.2002"), true),
              QStringLiteral(
                  "Alle Werte, die nicht eindeutig mit DM gekennzeichnet sind, verstehen sich als Euro."));
    EXPECT_EQ(
        InfoSummary::changeOverOn(d("01.01.2002"), false),
        QStringLiteral("Die Währung wurde umgestellt, denken sie daran ihre Werte bei Bedarf umzurechnen."));
    EXPECT_EQ(InfoSummary::transferState(3, 1), QStringLiteral("teilweise"));
    EXPECT_EQ(InfoSummary::transferState(3, 3), QStringLiteral("ja"));
    EXPECT_EQ(InfoSummary::transferState(3, 0), QStringLiteral("nein"));
    EXPECT_EQ(InfoSummary::transferState(0, 0), QStringLiteral("-"));
    EXPECT_EQ(InfoSummary::printState(0), QStringLiteral("teilweise"));
    EXPECT_EQ(InfoSummary::printState(2), QStringLiteral("nein"));
    EXPECT_EQ(InfoSummary::printState(11001), QStringLiteral("ja"));
    EXPECT_EQ(InfoSummary::printState(11000), QStringLiteral("teilweise"));
}

class InfoSummaryTest : public DataSetFixture
{
};

TEST_F(InfoSummaryTest, LatestWeekWithOneOfThreePartiesTransferred)
{
    const QDate today = d("10.12.2026");
    const QString week = WeekKey::weekKey(today);
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche, DR_20) VALUES ('200601', 11001), (?, 0)"), {week});
    for (const char* number : {"0000001", "0000002", "0000003"})
        PartyBuilder(QString::fromLatin1(number)).week(week).insertInto(db());
    db().run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 1 WHERE R_NR = '0000001'"));
    options().setChecked(QStringLiteral("bzh_old"), true);
    InfoSummary info = InfoSummary::compute(db(), options(), m_home.home(), QDateTime(today, QTime(8, 0)));
    EXPECT_EQ(info.weekLabel, QStringLiteral("Aktuelle Woche :"));
    EXPECT_EQ(info.transferred, QStringLiteral("teilweise"));
    EXPECT_EQ(info.printed, QStringLiteral("teilweise"));
    EXPECT_EQ(info.interfaceVersion, QStringLiteral("V 1.0"));
    EXPECT_EQ(info.lines().first(), QStringLiteral("Guten Morgen,"));
    info = InfoSummary::compute(db(), options(), m_home.home(), QDateTime(today.addDays(7), QTime(19, 0)));
    EXPECT_EQ(info.weekLabel, QStringLiteral("Letzte Woche :"));
}

} // namespace korbelant::test
