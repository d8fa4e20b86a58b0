#include "week/OrderDataPreview.h"

#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"
#include "week/TWocheDataModul.h"

namespace korbelant::test {

class OrderDataPreviewTest : public DataSetFixture
{
protected:
    // `count` parties in part-weeks "1" .. "9", "A", ...; the first one transferred when asked.
    void parties(int count, bool firstTransferred)
    {
        db().run(QStringLiteral("INSERT INTO MWoche (MWoche, DR_20) VALUES ('202604', 2)"));
        const QString keys = QStringLiteral("123456789ABCDEF");
        for (int i = 0; i < count; ++i)
            PartyBuilder(QStringLiteral("%1A").arg(200126 + i))
                .week(QStringLiteral("202604"), keys.mid(i, 1))
                .host(QStringLiteral("100001"))
                .with(QStringLiteral("ERSTELLT"), i == 0 && firstTransferred)
                .insertInto(db());
    }

    QStringList questions() const
    {
        QStringList asked;
        for (const auto& shown : m_ui.shown())
            if (shown.kind == QStringLiteral("Frage"))
                asked << shown.text;
        return asked;
    }
};

TEST_F(OrderDataPreviewTest, AsksAboutTransferredPartiesAndMoreThanOneDisk)
{
    using A = UiPort::Answer;
    struct Case
    {
        const char* what;
        int parties;
        bool transferred;
        QList<A> answers;
        QStringList asked;
        bool shown;
    };
    const QString again = OrderDataPreview::kAlreadyWritten;
    const QString nine = OrderDataPreview::kMoreThanNine;
    const Case cases[] = {
        {"nothing to ask", 2, false, {}, {}, true},
        {"transferred, declined", 2, true, {A::No}, {again}, false},
        {"transferred, again", 2, true, {A::Yes}, {again}, true},
        {"nine fit on one disk", 9, false, {}, {}, true},
        {"ten, declined", 10, false, {A::No}, {nine}, false},
        {"ten and transferred, both confirmed", 10, true, {A::Yes, A::Yes}, {again, nine}, true},
        {"transferred declined asks no more", 10, true, {A::No}, {again}, false},
        {"a week without parties", 0, false, {}, {}, false},
    };
    for (const Case& k : cases) {
        db().run(QStringLiteral("DELETE FROM Tuppkopf"));
        db().run(QStringLiteral("DELETE FROM MWoche"));
        m_ui = ScriptedUi(k.answers);
        parties(k.parties, k.transferred);
        TWocheDataModul week(db(), options(), m_ui);
        ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604"))) << k.what;
        const auto data = OrderDataPreview::prepare(week, options(), m_ui);
        EXPECT_EQ(data.has_value(), k.shown) << k.what;
        EXPECT_EQ(questions(), k.asked) << k.what;
        if (data) {
            EXPECT_EQ(data->success.rowCount(), k.parties) << k.what;
            EXPECT_EQ(data->range.start, QStringLiteral("1")) << "an unmarked week shows all its part-weeks";
        }
    }
}

} // namespace korbelant::test
