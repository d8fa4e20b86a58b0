#include "exchange/OrderFileBuilder.h"
#include "exchange/StreetSplit.h"
#include "support/FileBytes.h"
#include "support/OrderWeekFixture.h"

#include <QFile>

namespace korbelant::test {

namespace {

QString fixtureFile()
{
    return QStringLiteral(KORBELANT_SOURCE_DIR "/tests/fixtures/exchange/Order-200649.txt");
}

} // namespace

class OrderFileBuilderTest : public OrderWeekFixture
{
protected:
    QStringList lines()
    {
        const WeekRange range = week().actionRange();
        OrderFileBuilder builder(db(), options(), range, week().VorFuerTable(), QDate(2006, 12, 12));
        QStringList written;
        builder.build().WriteLines(written);
        return written;
    }
    QString distributorNumber(const QString& rNr)
    {
        return db().scalar(QStringLiteral("SELECT BZH_VF_NR FROM Tuppkopf WHERE R_NR = ?"), {rNr}).toString();
    }
};

TEST_F(OrderFileBuilderTest, WeekIsWrittenAsTheDistributorReadsIt)
{
    const QString saved = m_home.home().path(QStringLiteral("Order.txt"));
    TTWD_File::SaveLines(lines(), saved);
    const QByteArray expected = fileBytes(fixtureFile());
    const QByteArray written = fileBytes(saved);
    EXPECT_EQ(written, expected);
    if (written != expected) {
        const QList<QByteArray> want = expected.split('\n');
        const QList<QByteArray> got = written.split('\n');
        for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
            const QByteArray w = i < want.size() ? want.at(i) : QByteArray("<none>");
            const QByteArray g = i < got.size() ? got.at(i) : QByteArray("<none>");
            if (w != g) {
                ADD_FAILURE() << "first difference in line " << i + 1 << ": expected [" << w.toStdString()
                              << "] written [" << g.toStdString() << "]";
                break;
            }
        }
    }
}

TEST_F(OrderFileBuilderTest, MissingDistributorNumbersAreStoredAndKeptAfterwards)
{
    lines();
    EXPECT_EQ(distributorNumber(a), QStringLiteral("34310"));
    EXPECT_EQ(distributorNumber(b), QStringLiteral("00042"));
    EXPECT_EQ(distributorNumber(c), QStringLiteral("34110"));
    // A number stored once is the party's for good, even when its date changes later.
    db().run(QStringLiteral("UPDATE Tuppkopf SET DATUM = '2006-12-04' WHERE R_NR = ?"), {a});
    week().SelectPartWeeks(false);
    EXPECT_TRUE(lines().contains(QStringLiteral("VorführungsNr = 34310")));
}

TEST_F(OrderFileBuilderTest, OrderLinesFollowTheActiveArticleOption)
{
    const QString gone = QStringLiteral("Datensatz = 10;ZT40;2");
    EXPECT_EQ(lines().count(gone), 0);
    options().setChecked(QStringLiteral("NURAKTIV"), false);
    const QStringList all = lines();
    // Both parties of the part-week carry it; advance and 0-piece lines stay out all the same.
    EXPECT_EQ(all.count(gone), 2);
    EXPECT_EQ(all.filter(QStringLiteral("ZT30")).size(), 0);
    EXPECT_EQ(all.filter(QStringLiteral("Datensatz = 10;ZT20;")).size(), 2);
}

TEST_F(OrderFileBuilderTest, RequestItemsWithAQuantityAndACode)
{
    struct Case
    {
        const char* items; // SQL after VALUES, or nothing for a week without request items
        QStringList section;
    };
    const QStringList header{QString(), QStringLiteral("Tabelle = Anforderungen"),
                             QStringLiteral("Felder = Kodierung;Bezeichnung;Menge"),
                             QStringLiteral("Feldtypen = 10;10;3")};
    const std::vector<Case> cases{
        {"('200649', 'P1', 'Prospekt; neu', 3, 5), ('200649', NULL, 'ohne Code', 2, 0), "
         "('200649', 'P2', 'Tasche', 0, 0)",
         header + QStringList{QStringLiteral("Datensatz = P1;Prospekt\\3b neu;3")}},
        {"", {}},
    };
    for (const Case& k : cases) {
        db().run(QStringLiteral("DELETE FROM anforderungen"));
        if (*k.items)
            db().run(QStringLiteral("INSERT INTO anforderungen (MWOCHE, Kodierung, Bezeichnung, Menge, Max) "
                                    "VALUES ") +
                     QString::fromUtf8(k.items));
        const QStringList all = lines();
        const qsizetype from = all.indexOf(QStringLiteral("[Anforderungen]")) + 1;
        const qsizetype to = all.indexOf(QStringLiteral("[Benennungen]")) - 1; // the empty line before it
        EXPECT_EQ(all.mid(from, to - from), k.section) << k.items;
    }
}

TEST(StreetSplitTest, StreetAndHouseNumberApart)
{
    const std::vector<std::tuple<QString, QString, QString>> cases{
        {QStringLiteral("Am Markt"), QStringLiteral("Am Markt"), QString()},
        {QStringLiteral("Hauptstraße 5"), QStringLiteral("Hauptstraße "), QStringLiteral("5")},
        {QStringLiteral("Lindenweg 12a"), QStringLiteral("Lindenweg "), QStringLiteral("12a")},
        {QStringLiteral("Weg 0815"), QStringLiteral("Weg 0"), QStringLiteral("815")}, // 0 starts no number
        {QStringLiteral("7. Querweg"), QString(), QStringLiteral("7. Querweg")},
        {QString(), QString(), QString()},
        // The cut falls on the 30th character at the latest, and the number has ten characters.
        {QStringLiteral("Oberer Kirchhofsweg am Altmarkt 3"), QStringLiteral("Oberer Kirchhofsweg am Altmar"),
         QStringLiteral("kt 3")},
        {QStringLiteral("Ring 1234567890123"), QStringLiteral("Ring "), QStringLiteral("1234567890")},
    };
    for (const auto& [text, street, number] : cases) {
        const StreetSplit split = StreetSplit::of(text);
        EXPECT_EQ(split.street, street) << text.toStdString();
        EXPECT_EQ(split.houseNumber, number) << text.toStdString();
    }
}

} // namespace korbelant::test
