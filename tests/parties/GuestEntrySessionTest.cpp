#include "parties/GuestEntrySession.h"
#include "parties/ExchangeReasons.h"
#include "parties/GuestArticleList.h"
#include "support/PartyModuleFixture.h"

#include "articles/KindTable.h"
#include "core/FixedCustomers.h"
#include "core/Options.h"

#include <QTime>

namespace korbelant::test {

namespace {

using Mode = GuestEntrySession::Mode;

class GuestEntrySessionTest : public PartyModuleFixture
{
protected:
    GuestEntrySessionTest()
    {
        addCustomer(QStringLiteral("100002"));
        addCustomer(QStringLiteral("100003"));
        addArticle(QStringLiteral("A100"), QStringLiteral("10"), 10.0, 3);
        addArticle(QStringLiteral("B200"), QStringLiteral("20"), 4.5);
        addArticle(QStringLiteral("S300"), QStringLiteral("10"), 8.0, 0, 5);
        m_rNr = makeParty(QDate(2026, 3, 12));
        m_guest1 = addGuest(m_rNr, QStringLiteral("100002"));
        m_guest2 = addGuest(m_rNr, QStringLiteral("100003"));
    }

    std::unique_ptr<GuestEntrySession> open(const QString& pNr)
    {
        return std::make_unique<GuestEntrySession>(party(), *m_customers, m_rNr, pNr);
    }

    // Appends and saves a line as typed: kind, number, pieces.
    static void type(GuestEntrySession& s, const QString& va, const QString& lNr, double pieces)
    {
        ASSERT_TRUE(s.newLine());
        s.setKind(va);
        s.setArticleNumber(lNr);
        s.setPieces(pieces);
        ASSERT_EQ(s.saveLine(), GuestLineRules::SaveResult::Saved);
    }

    // The participant's turnover and pieces as stored in her lines.
    std::pair<double, double> storedSums(const QString& pNr)
    {
        const auto row = db().rows(
            QStringLiteral("SELECT TOTAL(SUMME), TOTAL(STUECK) FROM Tupper1 WHERE R_NR = ? AND P_NR = ?"),
            {m_rNr, pNr});
        return {row.front().at(0).toDouble(), row.front().at(1).toDouble()};
    }

    void expectTotalsMatchLines(const GuestEntrySession& s, const char* step)
    {
        const auto [summe, stueck] = storedSums(s.pNr());
        EXPECT_DOUBLE_EQ(s.betrag(), summe) << step;
        EXPECT_DOUBLE_EQ(s.gesamtmenge(), stueck) << step;
    }

    QVariant participantField(const QString& pNr, const QString& field)
    {
        return party().participant(m_rNr, pNr).value_or(TVorFuerModul::Record{}).value(field);
    }

    QString m_rNr;
    QString m_guest1;
    QString m_guest2;
};

TEST_F(GuestEntrySessionTest, RunningTotalsFollowEverySaveEditAndDelete)
{
    auto s = open(m_guest1);
    EXPECT_EQ(s->mode(), Mode::Browse);
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 2);
    expectTotalsMatchLines(*s, "first line");
    EXPECT_DOUBLE_EQ(s->betrag(), 20.0);
    type(*s, QStringLiteral("20"), QStringLiteral("B200"), 3);
    expectTotalsMatchLines(*s, "second line");
    EXPECT_DOUBLE_EQ(s->gesamtmenge(), 5.0);

    s->selectRow(0);
    ASSERT_TRUE(s->editLine());
    EXPECT_EQ(s->mode(), Mode::Edit);
    s->stepPieces(+1);
    EXPECT_DOUBLE_EQ(s->currentLine()->stueck, 3.0);
    ASSERT_EQ(s->saveLine(), GuestLineRules::SaveResult::Saved);
    expectTotalsMatchLines(*s, "edited line");
    EXPECT_DOUBLE_EQ(s->betrag(), 30.0 + 13.5);

    s->selectRow(1);
    s->deleteLine();
    expectTotalsMatchLines(*s, "deleted line");
    EXPECT_DOUBLE_EQ(s->betrag(), 30.0);

    // An edited line that is reset changes nothing.
    ASSERT_TRUE(s->editLine());
    s->setPieces(9);
    s->resetLine();
    EXPECT_EQ(s->mode(), Mode::Browse);
    expectTotalsMatchLines(*s, "reset line");
}

TEST_F(GuestEntrySessionTest, NavigationStoresTurnoverAndRebuildsTotals)
{
    auto s = open(m_guest1);
    EXPECT_TRUE(s->hasPrevious());
    EXPECT_TRUE(s->hasNext());
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 1);
    // The next participant is reached with the new line still being entered: it is saved first.
    ASSERT_TRUE(s->newLine());
    s->setArticleNumber(QStringLiteral("B200"));
    s->setKind(QStringLiteral("20"));
    ASSERT_TRUE(s->nextParticipant());
    EXPECT_EQ(s->pNr(), m_guest2);
    EXPECT_FALSE(s->hasNext());
    EXPECT_DOUBLE_EQ(s->betrag(), 0.0);
    EXPECT_DOUBLE_EQ(participantField(m_guest1, QStringLiteral("UMSATZ")).toDouble(), 14.5);
    EXPECT_FALSE(s->nextParticipant());

    ASSERT_TRUE(s->previousParticipant());
    EXPECT_EQ(s->pNr(), m_guest1);
    EXPECT_DOUBLE_EQ(s->betrag(), 14.5);
    EXPECT_DOUBLE_EQ(s->gesamtmenge(), 2.0);
    ASSERT_TRUE(s->previousParticipant());
    EXPECT_TRUE(s->isHost());
    EXPECT_FALSE(s->hasPrevious());

    // A line that cannot be saved keeps the participant.
    ASSERT_TRUE(s->newLine());
    s->setArticleNumber(QStringLiteral("NOPE"));
    EXPECT_FALSE(s->nextParticipant());
    EXPECT_TRUE(s->isHost());
    EXPECT_TRUE(
        ui().wasShown(QStringLiteral("Der Artikel NOPE befindet sich nicht in der Artikeldatei !( Änderungen "
                                     "können nur mit einer neuen Artikel-Nr. durchgeführt werden )")));
    s->resetLine();

    ASSERT_TRUE(s->newParticipant());
    EXPECT_EQ(s->pNr(), QStringLiteral("04"));
    EXPECT_FALSE(s->hasNext());
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 1);
    ASSERT_TRUE(s->close());
    EXPECT_DOUBLE_EQ(participantField(QStringLiteral("04"), QStringLiteral("UMSATZ")).toDouble(), 10.0);
    EXPECT_EQ(participantField(QStringLiteral("04"), QStringLiteral("K_NR")).toString(),
              FixedCustomers::kUnknown);
}

TEST_F(GuestEntrySessionTest, RecomputeStoresTheLineAndThePartyTotals)
{
    auto s = open(m_guest1);
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 2);
    ASSERT_TRUE(s->newLine());
    s->setArticleNumber(QStringLiteral("B200"));
    s->setKind(QStringLiteral("20"));
    ASSERT_TRUE(s->recomputeParty());
    EXPECT_EQ(s->mode(), Mode::Browse);
    EXPECT_DOUBLE_EQ(header(m_rNr).value(QStringLiteral("S_UMSATZ")).toDouble(), 24.5);
    EXPECT_DOUBLE_EQ(participantField(m_guest1, QStringLiteral("UMSATZ")).toDouble(), 24.5);
    expectTotalsMatchLines(*s, "after recompute");
}

TEST_F(GuestEntrySessionTest, NewLineCarriesTheKindOverExceptVag)
{
    options().setText(QStringLiteral("vorgabe_va"), QStringLiteral("20"));
    addArticle(QStringLiteral("T900"), QStringLiteral("91"), 2.0);
    const struct
    {
        const char* kind;
        const char* article;
        const char* next;
    } cases[] = {{"10", "A100", "10"}, {"33", "A100", "20"}, {"91", "T900", "91"}};
    auto s = open(m_guest1);
    ASSERT_TRUE(s->newLine());
    EXPECT_EQ(s->currentLine()->va, QStringLiteral("20")) << "first line takes the default kind";
    s->resetLine();
    for (const auto& c : cases) {
        type(*s, QString::fromLatin1(c.kind), QString::fromLatin1(c.article), 1);
        ASSERT_TRUE(s->newLine());
        EXPECT_EQ(s->currentLine()->va, QString::fromLatin1(c.next)) << "after kind " << c.kind;
        s->resetLine();
    }
}

TEST_F(GuestEntrySessionTest, NewLineWithoutArticleDoesNothingUnlessItIsText)
{
    auto s = open(m_guest1);
    ASSERT_TRUE(s->newLine());
    EXPECT_FALSE(s->newLine());
    EXPECT_EQ(s->mode(), Mode::Insert);
    EXPECT_TRUE(s->lines().empty());

    s->setKind(QStringLiteral("95"));
    s->setText(QStringLiteral("Bitte vor Ostern liefern"));
    ASSERT_TRUE(s->newLine());
    ASSERT_EQ(s->lines().size(), 1u);
    EXPECT_EQ(s->lines().front().lText, QStringLiteral("Bitte vor Ostern liefern"));
    EXPECT_EQ(s->currentLine()->va, QStringLiteral("95"));
}

TEST_F(GuestEntrySessionTest, ClosingAsksAboutUnfinishedLines)
{
    {
        // A line without article number: Cancel keeps the window, OK drops the line.
        auto s = open(m_guest1);
        ASSERT_TRUE(s->newLine());
        ui().addAnswer(UiPort::Answer::Cancel);
        EXPECT_FALSE(s->close());
        EXPECT_EQ(s->mode(), Mode::Insert);
        ui().addAnswer(UiPort::Answer::Ok);
        EXPECT_TRUE(s->close());
        EXPECT_TRUE(s->lines().empty());
        EXPECT_EQ(ui().shownTexts().count(GuestEntrySession::kNoArticleQuestion), 2);
    }
    {
        // An article without a kind keeps the window open.
        auto s = open(m_guest1);
        ASSERT_TRUE(s->newLine());
        s->setArticleNumber(QStringLiteral("A100"));
        s->setKind(QString());
        EXPECT_FALSE(s->close());
        EXPECT_TRUE(ui().wasShown(GuestEntrySession::kNoKindMessage));
    }
    {
        // A text line is kept without a question; an edited line is saved.
        auto s = open(m_guest2);
        const int questions = static_cast<int>(ui().shown().size());
        ASSERT_TRUE(s->newLine());
        s->setKind(QStringLiteral("96"));
        s->setText(QStringLiteral("Grüne Dose"));
        EXPECT_TRUE(s->close());
        EXPECT_EQ(ui().shown().size(), questions);
        ASSERT_EQ(s->lines().size(), 1u);
    }
    {
        // A line that fails its checks keeps the window open.
        auto s = open(m_guest2);
        ASSERT_TRUE(s->newLine());
        s->setArticleNumber(QStringLiteral("B200"));
        s->setKind(QStringLiteral("33"));
        EXPECT_FALSE(s->close());
        EXPECT_TRUE(ui().wasShown(QStringLiteral("Die VA 33 ist für den eingegebenen Artikel ungültig")));
    }
}

TEST_F(GuestEntrySessionTest, AdvanceBoxOnlyWhileEditing)
{
    auto s = open(m_guest1);
    EXPECT_FALSE(s->toggleAdvance());
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 1);
    EXPECT_FALSE(s->toggleAdvance()) << "browse mode";
    ASSERT_TRUE(s->newLine());
    s->setArticleNumber(QStringLiteral("A100"));
    ASSERT_TRUE(s->toggleAdvance());
    EXPECT_EQ(s->currentLine()->vorab, QStringLiteral("V"));
    ASSERT_EQ(s->saveLine(), GuestLineRules::SaveResult::Saved);
    EXPECT_EQ(s->lines().back().vorab, QStringLiteral("V"));

    ASSERT_TRUE(s->editLine());
    ASSERT_TRUE(s->toggleAdvance());
    ASSERT_EQ(s->saveLine(), GuestLineRules::SaveResult::Saved);
    EXPECT_TRUE(s->lines().back().vorab.isEmpty());
}

TEST_F(GuestEntrySessionTest, OwnStockLinesCanOnlyBeDeleted)
{
    auto s = open(m_guest1);
    ui().addAnswer(UiPort::Answer::Yes); // take it from stock
    type(*s, QStringLiteral("10"), QStringLiteral("S300"), 2);
    EXPECT_EQ(stock(QStringLiteral("S300")), 3);
    EXPECT_TRUE(s->lines().back().isOwnStock());
    EXPECT_FALSE(s->editLine());
    EXPECT_TRUE(ui().wasShown(GuestLineRules::kStockLineOnlyDelete));
    s->deleteLine();
    EXPECT_EQ(stock(QStringLiteral("S300")), 5);
    expectTotalsMatchLines(*s, "stock line deleted");
}

TEST_F(GuestEntrySessionTest, ParticipantFieldsAndCustomer)
{
    auto s = open(m_guest1);
    EXPECT_EQ(s->customer()->value(QStringLiteral("NAME")).toString(), QStringLiteral("Kunde100002"));
    EXPECT_TRUE(s->setDateText(QStringLiteral("Verabred_DATUM"), QStringLiteral("20.04.2026")));
    EXPECT_TRUE(s->setTimeText(QStringLiteral("Verabred_ZEIT"), QStringLiteral("19:30")));
    s->setFlag(QStringLiteral("Verabredung"), true);
    EXPECT_TRUE(s->setDateText(QStringLiteral("BENE_DATUM"), QStringLiteral("01.05.2026")));
    EXPECT_FALSE(s->setDateText(QStringLiteral("BENE_DATUM"), QStringLiteral("31.02.2026")));
    EXPECT_FALSE(s->setTimeText(QStringLiteral("BENE_ZEIT"), QStringLiteral("25:99")));
    s->setUnknownCustomer();
    ASSERT_TRUE(s->close());
    EXPECT_EQ(participantField(m_guest1, QStringLiteral("K_NR")).toString(), QStringLiteral("099999"));
    EXPECT_EQ(participantField(m_guest1, QStringLiteral("Verabred_DATUM")).toDate(), QDate(2026, 4, 20));
    EXPECT_EQ(participantField(m_guest1, QStringLiteral("Verabred_ZEIT")).toTime(), QTime(19, 30));
    EXPECT_EQ(participantField(m_guest1, QStringLiteral("BENE_DATUM")).toDate(), QDate(2026, 5, 1));

    // Fields left as empty masks are stored empty.
    auto again = open(m_guest1);
    EXPECT_TRUE(again->setDateText(QStringLiteral("Verabred_DATUM"), QStringLiteral("  .  .    ")));
    EXPECT_TRUE(again->setTimeText(QStringLiteral("Verabred_ZEIT"), QStringLiteral("  :  ")));
    EXPECT_TRUE(again->setDateText(QStringLiteral("BENE_DATUM"), QString()));
    ASSERT_TRUE(again->close());
    EXPECT_TRUE(participantField(m_guest1, QStringLiteral("Verabred_DATUM")).isNull());
    EXPECT_TRUE(participantField(m_guest1, QStringLiteral("Verabred_ZEIT")).isNull());
    EXPECT_TRUE(participantField(m_guest1, QStringLiteral("BENE_DATUM")).isNull());
    const auto stored = db().rows(
        QStringLiteral("SELECT Verabred_DATUM, Verabred_ZEIT FROM Tupper WHERE R_NR = ? AND P_NR = ?"),
        {m_rNr, m_guest1});
    EXPECT_TRUE(stored.front().at(0).isNull());
    EXPECT_TRUE(stored.front().at(1).isNull());

    // A new customer gets the next number; nothing is stored until the dialog does it.
    const auto fresh = again->newCustomerRecord();
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(fresh->value(QStringLiteral("K_NR")).toString(), QStringLiteral("100004"));
    EXPECT_FALSE(customerField(QStringLiteral("100004"), QStringLiteral("K_NR")).isValid());
}

TEST_F(GuestEntrySessionTest, ArticleListFollowsKindStatusAndTypedNumber)
{
    db().run(QStringLiteral("UPDATE Lager SET AKTIV = 1"));
    addArticle(QStringLiteral("a150"), QStringLiteral("10"), 1.0); // inactive
    db().run(QStringLiteral("UPDATE Lager SET NEU = 1 WHERE L_NR = 'a150'"));
    addArticle(QStringLiteral("Z999"), QStringLiteral("10"), 1.0); // inactive, not new
    GuestArticleList list(*m_articles, options());
    list.restrictToKind(QStringLiteral("10"));
    auto numbers = [&list] {
        QStringList n;
        for (const ArticleRecord& a : list.rows())
            n << a.lNr;
        return n;
    };
    EXPECT_EQ(numbers(), (QStringList{"A100", "a150", "S300"}));
    list.restrictToKind(QStringLiteral("33")); // source kind 10
    EXPECT_EQ(numbers(), (QStringList{"A100", "a150", "S300"}));
    list.restrictToKind(QStringLiteral("20"));
    EXPECT_EQ(numbers(), (QStringList{"B200"}));
    list.restrictToKind(QStringLiteral("2")); // not a kind yet: no change
    EXPECT_EQ(numbers(), (QStringList{"B200"}));
    list.restrictToKind(QStringLiteral("43")); // no source kind: every article
    EXPECT_EQ(numbers().size(), 4);

    list.setInaktiv(true);
    EXPECT_EQ(numbers().size(), 5);
    list.setLager(true);
    EXPECT_EQ(numbers(), (QStringList{"S300"}));
    list.setLager(false);
    list.setAktiv(false);
    EXPECT_EQ(numbers(), (QStringList{"a150", "Z999"}));

    Options reread(m_home.home().optionsFile());
    ASSERT_TRUE(reread.LoadOptions());
    EXPECT_FALSE(reread.checked(QStringLiteral("NewGuestAktiv")));
    EXPECT_TRUE(reread.checked(QStringLiteral("NewGuestInAktiv")));

    list.setAktiv(true);
    EXPECT_TRUE(list.positionOnPrefix(QStringLiteral("s3")));
    EXPECT_EQ(list.current()->lNr, QStringLiteral("S300"));
    EXPECT_FALSE(list.positionOnPrefix(QStringLiteral("Q")));
    EXPECT_EQ(list.current()->lNr, QStringLiteral("S300"));
    list.moveBy(-10);
    EXPECT_EQ(list.currentRow(), 0);
}

TEST_F(GuestEntrySessionTest, EnterInTheArticleFieldTakesTheListedArticleUnlessTheTypedOneExists)
{
    using Field = LineEntryKind::Field;
    const struct
    {
        const char* kind;
        const char* typed;
        const char* listed;
        const char* article; // on the line afterwards
        Field next;
    } cases[] = {
        {"10", "B200", "A100", "B200", Field::Pieces}, // the typed article stays
        {"10", "a1", "A100", "A100", Field::Pieces},   // a prefix takes the listed one
        {"10", "", "S300", "S300", Field::Pieces},
        {"10", "NOPE", "", "NOPE", Field::Pieces},   // nothing listed: the number stays
        {"99", "A1", "A100", "A100", Field::Reason}, // exchanges go on to the reason
        {"95", "", "A100", "", Field::Text},         // text lines take no article
    };
    auto s = open(m_guest1);
    for (const auto& c : cases) {
        ASSERT_TRUE(s->newLine());
        s->setKind(QString::fromLatin1(c.kind));
        s->setArticleNumber(QString::fromLatin1(c.typed));
        EXPECT_EQ(s->enterArticle(QString::fromLatin1(c.typed), QString::fromLatin1(c.listed), *m_articles),
                  c.next)
            << c.typed;
        EXPECT_EQ(s->currentLine()->lNr, QString::fromLatin1(c.article)) << c.typed;
        EXPECT_EQ(s->currentLine()->va, QString::fromLatin1(c.kind)) << "the kind stays";
        s->resetLine();
    }
    // While browsing the selected line is not touched.
    type(*s, QStringLiteral("10"), QStringLiteral("A100"), 1);
    EXPECT_EQ(s->enterArticle(QString(), QStringLiteral("B200"), *m_articles), Field::Pieces);
    EXPECT_EQ(s->currentLine()->lNr, QStringLiteral("A100"));
    EXPECT_EQ(s->mode(), Mode::Browse);
}

TEST_F(GuestEntrySessionTest, OnlyAParticipantWithoutLinesStartsWithANewLine)
{
    auto s = open(m_guest1);
    s->startLineIfEmpty();
    EXPECT_EQ(s->mode(), Mode::Insert);
    s->setKind(QStringLiteral("10"));
    s->setArticleNumber(QStringLiteral("A100"));
    s->startLineIfEmpty();
    EXPECT_EQ(s->currentLine()->lNr, QStringLiteral("A100")) << "the line being entered stays";
    ASSERT_EQ(s->saveLine(), GuestLineRules::SaveResult::Saved);
    s->startLineIfEmpty();
    EXPECT_EQ(s->mode(), Mode::Browse);
}

TEST_F(GuestEntrySessionTest, EntryKindFollowsTheCurrentLine)
{
    auto s = open(m_guest1);
    EXPECT_EQ(s->entryKind().text(), LineEntryKind::Text::ArticleName) << "no line";
    ASSERT_TRUE(s->newLine());
    s->setKind(QStringLiteral("98"));
    EXPECT_TRUE(s->entryKind().isText()) << "98 is a text kind of the kind table";
    EXPECT_TRUE(s->entryKind().isExchange());
    s->setKind(QStringLiteral("10"));
    EXPECT_FALSE(s->entryKind().isText());
}

TEST_F(GuestEntrySessionTest, UpAndDownStepThroughTheKindTable)
{
    const std::vector<TransactionKind>& kinds = m_articles->kinds().kinds();
    ASSERT_GE(kinds.size(), 3u);
    const QString first = kinds.front().va;
    const QString second = kinds[1].va;
    const QString last = kinds.back().va;
    const struct
    {
        QString from;
        int direction;
        QString to;
    } cases[] = {{first, +1, second}, {second, -1, first},    {first, -1, first},
                 {last, +1, last},    {QString(), +1, first}, {QStringLiteral("0"), -1, first}};
    auto s = open(m_guest1);
    EXPECT_FALSE(s->stepKind(m_articles->kinds(), +1).has_value()) << "browsing";
    ASSERT_TRUE(s->newLine());
    for (const auto& c : cases) {
        s->setKind(c.from);
        EXPECT_EQ(s->stepKind(m_articles->kinds(), c.direction), std::optional<QString>(c.to))
            << c.from.toStdString();
        EXPECT_EQ(s->currentLine()->va, c.to);
    }
}

TEST_F(GuestEntrySessionTest, UpAndDownStepThroughTheReasonCodes)
{
    ExchangeReasons reasons(db());
    const auto all = reasons.all();
    ASSERT_GE(all.size(), 2u);
    auto s = open(m_guest1);
    s->stepReason(reasons, +1);
    EXPECT_EQ(s->currentLine(), nullptr) << "browsing changes nothing";
    ASSERT_TRUE(s->newLine());
    s->setKind(QStringLiteral("99"));
    for (const auto& [direction, code] :
         {std::pair{+1, all[0].code}, std::pair{+1, all[1].code}, std::pair{-1, all[0].code}}) {
        s->stepReason(reasons, direction);
        EXPECT_EQ(s->currentLine()->fehlCode, code);
    }
}

} // namespace
} // namespace korbelant::test
