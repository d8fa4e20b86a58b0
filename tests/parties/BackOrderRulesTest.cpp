#include "parties/BackOrderRules.h"
#include "parties/BackOrderList.h"
#include "parties/BackOrderListReport.h"
#include "support/PartyListFixture.h"

namespace korbelant::test {

using Action = BackOrderRules::Action;
using Outcome = BackOrderRules::Outcome;
using Answer = UiPort::Answer;

class BackOrders : public PartyListFixture
{
protected:
    void SetUp() override
    {
        berta = guest(QStringLiteral("100011"), QStringLiteral("Schmidt"), QStringLiteral("Berta"));
    }

    // A line of Berta with the marks given; its key.
    BackOrderKey lineOf(const QString& vorab, const QString& nachlief, double pieces = 3)
    {
        line(berta, {.L_NR = QStringLiteral("1001"), .STUECK = pieces, .VORAB = vorab, .NACHLIEF = nachlief});
        return {rNr, berta, db().scalar(QStringLiteral("SELECT MAX(ID) FROM Tupper1")).toLongLong()};
    }
    QString state(const BackOrderKey& key)
    {
        return db()
            .scalar(QStringLiteral("SELECT IFNULL(NACHLIEF, '') FROM Tupper1 WHERE ID = ?"), {key.id})
            .toString();
    }
    BackOrderRules rules() { return BackOrderRules(db(), ui()); }

    QString berta;
};

// Every action on every kind of line: the state it leaves, what it asked or said, and whether
// the line was stored. Answers are only given where the action asks.
TEST_F(BackOrders, ActionsMoveTheStateUnderTheirGuards)
{
    struct Case
    {
        const char* vorab;
        const char* before;
        Action action;
        std::optional<Answer> answer;
        Outcome outcome;
        const char* after;
        QString shown;
    };
    const Case cases[] = {
        {"", "", Action::NotDelivered, {}, Outcome::Stored, "J", {}},
        {"", "V", Action::NotDelivered, {}, Outcome::Stored, "J", {}},
        {"", "B", Action::NotDelivered, {}, Outcome::Stored, "J", {}},
        {"", "E", Action::NotDelivered, Answer::Yes, Outcome::Stored, "J", BackOrderRules::kReactivate},
        {"", "E", Action::NotDelivered, Answer::No, Outcome::Declined, "E", BackOrderRules::kReactivate},
        {"L", "", Action::NotDelivered, {}, Outcome::Refused, "", BackOrderRules::kHandedOver},
        {"V", "", Action::NotDelivered, {}, Outcome::Refused, "", BackOrderRules::kHandedOver},
        {"", "J", Action::Done, Answer::Yes, Outcome::Stored, "B", BackOrderRules::kDeliveredQuestion},
        {"", "J", Action::Done, Answer::No, Outcome::Declined, "J", BackOrderRules::kDeliveredQuestion},
        {"", "", Action::Done, {}, Outcome::Stored, "", {}},
        {"", "V", Action::Done, {}, Outcome::Stored, "V", {}},
        {"L", "J", Action::Done, Answer::Yes, Outcome::Stored, "B", BackOrderRules::kDeliveredQuestion},
        {"V", "J", Action::Done, {}, Outcome::Refused, "J", BackOrderRules::kMarkedAdvance},
        {"", "J", Action::OutOfStock, Answer::Yes, Outcome::Stored, "V", BackOrderRules::kOutOfStockQuestion},
        {"", "", Action::OutOfStock, Answer::No, Outcome::Declined, "", BackOrderRules::kOutOfStockQuestion},
        {"V", "", Action::OutOfStock, {}, Outcome::Refused, "", BackOrderRules::kMarkedAdvance},
        {"", "B", Action::Reset, Answer::Yes, Outcome::Stored, "", BackOrderRules::kResetQuestion},
        {"", "V", Action::Reset, Answer::No, Outcome::Declined, "V", BackOrderRules::kResetQuestion},
        {"", "", Action::Reset, {}, Outcome::Stored, "", {}},
    };
    for (const Case& c : cases) {
        ScriptedUi answers;
        if (c.answer)
            answers.addAnswer(*c.answer);
        const BackOrderKey key = lineOf(QString::fromLatin1(c.vorab), QString::fromLatin1(c.before));
        const QString label = QStringLiteral("%1/%2 action %3")
                                  .arg(QString::fromLatin1(c.vorab), QString::fromLatin1(c.before))
                                  .arg(static_cast<int>(c.action));
        EXPECT_EQ(BackOrderRules(db(), answers).apply(key, c.action), c.outcome) << label.toStdString();
        EXPECT_EQ(state(key), QString::fromLatin1(c.after)) << label.toStdString();
        EXPECT_EQ(answers.shownTexts(), c.shown.isEmpty() ? QStringList() : QStringList{c.shown})
            << label.toStdString();
    }
}

TEST_F(BackOrders, BackOrderingWaitsForAllPiecesUnlessACountWasEntered)
{
    const BackOrderKey whole = lineOf({}, {}, 4);
    ASSERT_EQ(rules().apply(whole, Action::NotDelivered), Outcome::Stored);
    EXPECT_EQ(BackOrderList(db()).line(whole)->naStueck, 4);

    const BackOrderKey part = lineOf({}, {}, 4);
    ASSERT_TRUE(rules().setPieces(part, 2));
    ASSERT_EQ(rules().apply(part, Action::NotDelivered), Outcome::Stored);
    EXPECT_EQ(BackOrderList(db()).line(part)->naStueck, 2);
}

// The pieces: 1 up to the pieces ordered; beyond them the message and the count stays.
TEST_F(BackOrders, BackOrderedPiecesStayWithinTheOrder)
{
    const BackOrderKey key = lineOf({}, QStringLiteral("J"), 3);
    ASSERT_TRUE(rules().setPieces(key, 3));
    for (int refused : {4, 0, -1}) {
        EXPECT_FALSE(rules().setPieces(key, refused)) << refused;
        EXPECT_EQ(BackOrderList(db()).line(key)->naStueck, 3) << refused;
    }
    EXPECT_EQ(ui().shownTexts().first(), QStringLiteral("Nur 3 Stück bestellt."));

    ASSERT_TRUE(rules().setDeliveredPieces(key, 1));
    EXPECT_EQ(BackOrderList(db()).line(key)->openPieces(), 2);
    EXPECT_FALSE(rules().setDeliveredPieces(key, 5));
}

TEST_F(BackOrders, ConfirmedPackListLeavesNoLineDeliveredAfterwards)
{
    const BackOrderKey first = lineOf({}, QStringLiteral("B"));
    const BackOrderKey second = lineOf({}, QStringLiteral("B"));
    const BackOrderKey open = lineOf({}, QStringLiteral("J"));

    ui().addAnswer(Answer::No);
    EXPECT_FALSE(rules().packListPrinted());
    EXPECT_EQ(state(first), QStringLiteral("B"));
    EXPECT_EQ(state(second), QStringLiteral("B"));

    ui().addAnswer(Answer::Yes);
    EXPECT_TRUE(rules().packListPrinted());
    EXPECT_TRUE(ui().wasShown(BackOrderRules::kPackListQuestion));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM Tupper1 WHERE NACHLIEF = 'B'")).toInt(), 0);
    EXPECT_EQ(state(open), QStringLiteral("J"));
}

// The window's two lists: the week's lines whatever their state, and the lines still to be
// worked of any week, each with guest and host.
TEST_F(BackOrders, WindowListsTheWeekOrTheLinesToWork)
{
    const BackOrderKey normal = lineOf({}, {});
    const BackOrderKey open = lineOf({}, QStringLiteral("J"));
    const BackOrderKey delivered = lineOf({}, QStringLiteral("B"));
    lineOf({}, QStringLiteral("V"));
    const QString other = makeParty(QDate(2026, 3, 2), QStringLiteral("100010"));
    line(QStringLiteral("01"), {.L_NR = QStringLiteral("2002"), .NACHLIEF = QStringLiteral("J")});
    db().run(QStringLiteral(
                 "UPDATE Tupper1 SET R_NR = ?, MWoche = '202610' WHERE ID = (SELECT MAX(ID) FROM Tupper1)"),
             {other});
    const QString week = header(rNr).value(QStringLiteral("MWoche")).toString();
    db().run(QStringLiteral("UPDATE Tupper1 SET MWoche = ? WHERE R_NR = ?"), {week, rNr});

    BackOrderList list(db());
    EXPECT_EQ(list.ofWeek(week).size(), 4u);
    const auto toWork = list.toWork();
    ASSERT_EQ(toWork.size(), 3u);
    EXPECT_EQ(toWork[0].key.rNr, other); // by party number
    EXPECT_EQ(toWork[1].key.id, open.id);
    EXPECT_EQ(toWork[2].key.id, delivered.id);
    EXPECT_EQ(toWork[1].guestName(), QStringLiteral("Schmidt, Berta"));
    EXPECT_EQ(BackOrderLine::addressLine(toWork[1].host), QStringLiteral("Müller, Anna, 12345, Neustadt"));
    EXPECT_FALSE(list.line({rNr, berta, normal.id + 1000}));
}

TEST_F(BackOrders, StatusTextPutsTheAdvanceAndStockMarksFirst)
{
    EXPECT_EQ(BackOrderRules::statusText({}, QStringLiteral("J")), QStringLiteral("nicht geliefert"));
    EXPECT_EQ(BackOrderRules::statusText({}, QStringLiteral("B")), QStringLiteral("nachträg. geliefert"));
    EXPECT_EQ(BackOrderRules::statusText({}, QStringLiteral("V")), QStringLiteral("nicht lieferbar"));
    EXPECT_EQ(BackOrderRules::statusText({}, QStringLiteral("E")), QString());
    EXPECT_EQ(BackOrderRules::statusText(QStringLiteral("V"), QStringLiteral("J")),
              QStringLiteral("Vorablieferung"));
    EXPECT_EQ(BackOrderRules::statusText(QStringLiteral("L"), QStringLiteral("B")),
              QStringLiteral("Lagerartikel"));
}

// Both lists group per party (list number and host) and per guest with a subtotal; the open list
// holds the lines in state "J", the pack list those in state "B".
TEST_F(BackOrders, ListsGroupTheLinesOfOneStatePerPartyAndGuest)
{
    line(berta,
         {.L_NR = QStringLiteral("1001"), .STUECK = 2, .EINZ_PREIS = 12.5, .NACHLIEF = QStringLiteral("J")});
    line(QStringLiteral("01"),
         {.L_NR = QStringLiteral("3003"), .STUECK = 1, .EINZ_PREIS = 8, .NACHLIEF = QStringLiteral("J")});
    line(berta,
         {.L_NR = QStringLiteral("2002"), .STUECK = 1, .EINZ_PREIS = 5, .NACHLIEF = QStringLiteral("B")});

    const ReportDocument open = build(BackOrderListReport::OpenName, {});
    ASSERT_EQ(open.sections.size(), 1u);
    const ReportSection& list = open.sections.front();
    EXPECT_EQ(list.heading,
              QStringLiteral("NACHLIEFERUNGS-LISTE (Unterteilt nach Einzelpositionen pro Gast)"));
    ASSERT_EQ(list.groups.size(), 3u);
    EXPECT_EQ(list.groups[0].header,
              QStringLiteral("Listen-NR. ..: ") + rNr + QStringLiteral("   Müller, Anna, 12345, Neustadt"));
    EXPECT_TRUE(list.groups[1].header.startsWith(QStringLiteral("Gast-Nr. 01   Müller, Anna, Lindenweg 3")));
    EXPECT_TRUE(list.groups[2].header.startsWith(QStringLiteral("Gast-Nr. 02   Schmidt, Berta")));
    ASSERT_EQ(list.groups[2].rows.size(), 1u);
    EXPECT_EQ(list.groups[2].rows[0].values.last().toString(), QStringLiteral("nicht geliefert"));
    EXPECT_EQ(list.total(3), 3);
    EXPECT_DOUBLE_EQ(list.total(4), 20.5);
    EXPECT_TRUE(open.footerLines.contains(
        QStringLiteral("Diese Liste gilt nicht als Rechnung oder Garantiebescheinigung.")));

    const ReportDocument pack = build(BackOrderListReport::PackListName, {});
    ASSERT_EQ(pack.sections.front().rowCount(), 1);
    EXPECT_EQ(pack.sections.front().groups.back().rows[0].values.last().toString(),
              QStringLiteral("nachtr. geliefert"));
}

} // namespace korbelant::test
