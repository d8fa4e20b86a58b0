#include "support/PartyModuleFixture.h"

namespace korbelant::test {

TEST(PriceOrderLine, PricesFromArticleAndKind)
{
    using Article = LineCatalogue::Article;
    using Kind = LineCatalogue::Kind;
    Article article;
    article.lNr = QStringLiteral("T1");
    article.zNr = QStringLiteral("Z1");
    article.sterne = 3;
    article.va = QStringLiteral("10");
    article.lText = QStringLiteral("Rührschüssel");
    article.preis = 10.0;
    article.va38 = 1.0;
    article.muster = 4.0;
    article.berPreis = 6.0;
    Article noSample = article;
    noSample.muster = 0;
    // Code, source, cost factor, sales factor, star factor, star amount factor, star turnover factor, class,
    // sample.
    auto kind = [](const char* va, const char* source, double ek, double vk, double stars, double starAmount,
                   double starTurnover, const char* cls, const char* sample) {
        Kind k;
        k.va = QString::fromLatin1(va);
        k.vaQuelle = QString::fromLatin1(source);
        k.ekFaktor = ek;
        k.vkFaktor = vk;
        k.sterneFakt = stars;
        k.sterneDmFa = starAmount;
        k.umsSternFa = starTurnover;
        k.vaArt = QString::fromLatin1(cls);
        k.muster = QString::fromLatin1(sample);
        return k;
    };
    struct Case
    {
        const char* what;
        Article article;
        Kind kind;
        double pieces;
        double unitPrice, unitCost, stars, starAmount, starTurnover;
    };
    const Case cases[] = {
        {"ordinary", article, kind("10", "10", 0.75, 1, 0, 0, 1, "", "N"), 2, 10, 7.5, 0, 0, 20},
        {"price minus bonus", article, kind("38", "38", 0.75, 1, 0, 0, 0.5, "AP", "N"), 2, 10, 9, 0, 0, 10},
        {"consultant's price", article, kind("43", "", 0.7, 0, 0, 0, 0, "BP", "N"), 1, 0, 6, 0, 0, 0},
        {"sample price", article, kind("40", "10", 0.6, 0, 0, 0, 0, "", "J"), 1, 0, 4, 0, 0, 0},
        {"sample kind without sample price", noSample, kind("40", "10", 0.6, 0, 0, 0, 0, "", "J"), 1, 0, 6, 0,
         0, 0},
        {"star article", article, kind("34", "10", 0, 0, 1, 1, 0, "", "N"), 2, 0, 0, 6, 20, 0},
        {"1.5 stars round to 2", article, kind("xx", "", 0, 1, 0.5, 0, 0, "", "N"), 1, 10, 0, 2, 0, 0},
    };
    for (const Case& c : cases) {
        OrderLine line;
        line.stueck = c.pieces;
        GuestLineRules::PriceOrderLine(line, c.article, c.kind);
        EXPECT_EQ(line.lText, c.article.lText);
        EXPECT_EQ(line.zNr, c.article.zNr);
        EXPECT_DOUBLE_EQ(line.einzPreis, c.unitPrice) << c.what;
        EXPECT_DOUBLE_EQ(line.einzKost, c.unitCost) << c.what;
        EXPECT_DOUBLE_EQ(line.summe, c.pieces * c.unitPrice) << c.what;
        EXPECT_DOUBLE_EQ(line.kosten, c.pieces * c.unitCost) << c.what;
        EXPECT_EQ(line.sterne, c.stars) << c.what;
        EXPECT_DOUBLE_EQ(line.sterneDm, c.starAmount) << c.what;
        EXPECT_DOUBLE_EQ(line.umSterne, c.starTurnover) << c.what;
    }
}

TEST(PriceOrderLine, StarsRoundHalfToEven)
{
    LineCatalogue::Kind half;
    half.vkFaktor = 1;
    half.sterneFakt = 0.5;
    for (const auto& [articleStars, expected] :
         {std::pair{3, 2}, std::pair{5, 2}, std::pair{7, 4}, std::pair{1, 0}, std::pair{9, 4}}) {
        LineCatalogue::Article article;
        article.sterne = articleStars;
        OrderLine line;
        GuestLineRules::PriceOrderLine(line, article, half);
        EXPECT_EQ(line.sterne, expected) << articleStars;
    }
}

class GuestLines : public PartyModuleFixture
{
protected:
    void SetUp() override
    {
        addArticle(QStringLiteral("T10"), QStringLiteral("10"), 20.0, 3);
        addArticle(QStringLiteral("T20"), QStringLiteral("20"), 15.0);
        addArticle(QStringLiteral("S1"), QStringLiteral("10"), 12.0, 0, 2);
        rNr = makeParty(QDate(2024, 3, 4));
        guest = addGuest(rNr, QStringLiteral("100001"));
    }
    int lineCount()
    {
        return db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1 WHERE R_NR = ?"), {rNr}).toInt();
    }
    OrderLine stored(qint64 id) { return *party().lineRules().line(rNr, guest, id); }

    QString rNr;
    QString guest;
};

TEST_F(GuestLines, SaveChecksRefuseUnknownArticleAndInvalidKind)
{
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("X999"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Abandoned);
    EXPECT_EQ(ui().shown().last().text,
              QStringLiteral("Der Artikel X999 befindet sich nicht in der Artikeldatei !( Änderungen können "
                             "nur mit einer neuen Artikel-Nr. durchgeführt werden )"));
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("T20"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Abandoned);
    EXPECT_EQ(ui().shown().last().text,
              QStringLiteral("Die VA 10 ist für den eingegebenen Artikel ungültig"));
    EXPECT_EQ(enter(rNr, guest, QString(), QStringLiteral("10"), 1), GuestLineRules::SaveResult::Dropped);
    EXPECT_EQ(lineCount(), 0);
    OrderLine line;
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("T20"), QStringLiteral("20"), 2, &line),
              GuestLineRules::SaveResult::Saved);
    EXPECT_DOUBLE_EQ(stored(line.id).summe, 30.0);
    EXPECT_EQ(stored(line.id).lText, QStringLiteral("Artikel T20"));
}

TEST_F(GuestLines, TextLinesStayAtZeroAndMayKeepAnUnknownArticle)
{
    OrderLine line;
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("T10"), QStringLiteral("95"), 3, &line),
              GuestLineRules::SaveResult::Saved);
    const OrderLine text = stored(line.id);
    for (double amount :
         {text.einzPreis, text.einzKost, text.summe, text.kosten, text.sterneDm, text.umSterne})
        EXPECT_EQ(amount, 0.0);
    EXPECT_EQ(text.sterne, 0);

    const QString question =
        QStringLiteral("Der Artikel NEU1 mit der VA 96 befindet sich nicht in der Artikeldatei, soll er zur "
                       "späteren Verwendung gespeichert werden?");
    // Cancel (no answer) abandons; No saves the line only; Yes keeps the article as well.
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("NEU1"), QStringLiteral("96"), 1),
              GuestLineRules::SaveResult::Abandoned);
    EXPECT_EQ(ui().shown().last().text, question);
    ui().addAnswer(UiPort::Answer::No);
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("NEU1"), QStringLiteral("96"), 1),
              GuestLineRules::SaveResult::Saved);
    EXPECT_FALSE(db().scalar(QStringLiteral("SELECT 1 FROM Lager WHERE L_NR = 'NEU1'")).isValid());
    ui().addAnswer(UiPort::Answer::Yes);
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("NEU1"), QStringLiteral("96"), 1),
              GuestLineRules::SaveResult::Saved);
    const auto kept = db().rows(QStringLiteral("SELECT VA, AKTIV, NEU FROM Lager WHERE L_NR = 'NEU1'"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0][0].toString(), QStringLiteral("96"));
    EXPECT_EQ(kept[0][1].toInt(), 0);
    EXPECT_EQ(kept[0][2].toInt(), 0);
    // A text line needs no article number at all.
    EXPECT_EQ(enter(rNr, guest, QString(), QStringLiteral("95"), 1), GuestLineRules::SaveResult::Saved);
    EXPECT_EQ(lineCount(), 4);
}

TEST_F(GuestLines, KindCarriedOverExceptThirtyThree)
{
    GuestLineRules& rules = party().lineRules();
    struct Case
    {
        const char* previous;
        const char* expected;
    };
    for (const Case& c : {Case{"32", "32"}, Case{"33", "10"}, Case{"", "10"}, Case{"95", "95"}})
        EXPECT_EQ(rules.newLine(rNr, guest, {}, {}, QString::fromLatin1(c.previous)).va,
                  QString::fromLatin1(c.expected))
            << c.previous;
    options().setText(QStringLiteral("vorgabe_va"), QStringLiteral("20"));
    EXPECT_EQ(rules.newLine(rNr, guest, {}, {}, QStringLiteral("33")).va, QStringLiteral("20"));
    EXPECT_EQ(rules.newLine(rNr, guest, {}, {}).stueck, 1.0);
}

TEST_F(GuestLines, StockIsOfferedOnlyWhenEnoughIsOnHand)
{
    const QString offer =
        QStringLiteral("Der Artikel S1 ist im Lager vorhanden, soll er von dort entnommen werden?");
    OrderLine line;
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("S1"), QStringLiteral("10"), 3, &line),
              GuestLineRules::SaveResult::Saved);
    EXPECT_FALSE(ui().wasShown(offer));
    EXPECT_EQ(stored(line.id).va, QStringLiteral("10"));

    // Declined: an ordinary line; accepted: kind 90 from stock.
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("S1"), QStringLiteral("10"), 2, &line),
              GuestLineRules::SaveResult::Saved);
    EXPECT_TRUE(ui().wasShown(offer));
    EXPECT_EQ(stock(QStringLiteral("S1")), 2);
    ui().addAnswer(UiPort::Answer::Yes);
    EXPECT_EQ(enter(rNr, guest, QStringLiteral("S1"), QStringLiteral("10"), 2, &line),
              GuestLineRules::SaveResult::Saved);
    const OrderLine fromStock = stored(line.id);
    EXPECT_EQ(fromStock.va, QStringLiteral("90"));
    EXPECT_EQ(fromStock.vorab, QStringLiteral("L"));
    EXPECT_EQ(fromStock.naStuLi, 2);
    EXPECT_DOUBLE_EQ(fromStock.summe, 24.0);
    EXPECT_EQ(stock(QStringLiteral("S1")), 0);

    EXPECT_FALSE(party().lineRules().mayEdit(fromStock));
    EXPECT_EQ(ui().shown().last().text, GuestLineRules::kStockLineOnlyDelete);
}

TEST_F(GuestLines, StockLineChangesMoveTheStock)
{
    db().run(QStringLiteral("UPDATE Lager SET BESTAND = 3 WHERE L_NR = 'S1'"));
    ui().addAnswer(UiPort::Answer::Yes);
    OrderLine line;
    ASSERT_EQ(enter(rNr, guest, QStringLiteral("S1"), QStringLiteral("10"), 2, &line),
              GuestLineRules::SaveResult::Saved);
    ASSERT_EQ(stock(QStringLiteral("S1")), 1);
    GuestLineRules& rules = party().lineRules();

    // Raising 2 to 5 with 1 left: refused, the pieces go back to 2.
    rules.Tu1TableSTUECKChange(line, 5);
    EXPECT_EQ(rules.saveLine(line), GuestLineRules::SaveResult::Saved);
    EXPECT_EQ(ui().shown().last().text, GuestLineRules::kTooManyFromStock);
    EXPECT_EQ(stored(line.id).stueck, 2.0);
    EXPECT_DOUBLE_EQ(stored(line.id).summe, 24.0);
    EXPECT_EQ(stock(QStringLiteral("S1")), 1);

    // Raising to 3 takes the last piece; lowering 3 to 1 gives 2 back.
    rules.Tu1TableSTUECKChange(line, 3);
    rules.saveLine(line);
    EXPECT_EQ(stock(QStringLiteral("S1")), 0);
    rules.Tu1TableSTUECKChange(line, 1);
    rules.saveLine(line);
    EXPECT_EQ(stock(QStringLiteral("S1")), 2);
    EXPECT_EQ(stored(line.id).naStuLi, 1);

    // Deleting the line gives its pieces back.
    rules.deleteLine(stored(line.id));
    EXPECT_EQ(stock(QStringLiteral("S1")), 3);
    EXPECT_EQ(lineCount(), 0);
}

TEST_F(GuestLines, DeletingAGuestGivesStockBackDeletingThePartyDoesNot)
{
    const QString second = addGuest(rNr, QStringLiteral("100001"));
    ui().addAnswer(UiPort::Answer::Yes);
    ASSERT_EQ(enter(rNr, guest, QStringLiteral("S1"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);
    ui().addAnswer(UiPort::Answer::Yes);
    ASSERT_EQ(enter(rNr, second, QStringLiteral("S1"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);
    ASSERT_EQ(enter(rNr, second, QStringLiteral("T10"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);
    ASSERT_EQ(stock(QStringLiteral("S1")), 0);

    ui().addAnswer(UiPort::Answer::Ok);
    ASSERT_TRUE(party().deleteParticipant(rNr, guest));
    EXPECT_EQ(stock(QStringLiteral("S1")), 1);
    EXPECT_EQ(lineCount(), 2);

    const int customers = db().scalar(QStringLiteral("SELECT COUNT(*) FROM Kunden")).toInt();
    EXPECT_FALSE(party().deleteParty(rNr));
    EXPECT_EQ(ui().shown().last().text, QStringLiteral("Vorführung wirklich löschen ?"));
    EXPECT_TRUE(party().header(rNr));
    ui().addAnswer(UiPort::Answer::Ok);
    ASSERT_TRUE(party().deleteParty(rNr));
    EXPECT_FALSE(party().header(rNr));
    EXPECT_TRUE(party().participants(rNr).empty());
    EXPECT_EQ(lineCount(), 0);
    EXPECT_EQ(stock(QStringLiteral("S1")), 1);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Kunden")).toInt(), customers);
    EXPECT_TRUE(db().scalar(QStringLiteral("SELECT 1 FROM MWoche WHERE MWoche = '202410'")).isValid());
}

} // namespace korbelant::test
