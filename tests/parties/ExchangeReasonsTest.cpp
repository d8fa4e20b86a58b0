#include "parties/ExchangeReasons.h"
#include "core/DataSet.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ExchangeReasonsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_set = DataSet::open(m_home.home());
        m_set->db().run(QStringLiteral("DELETE FROM Umtausch"));
        for (const char* code : {"001", "002", "007"})
            m_set->db().run(
                QStringLiteral("INSERT INTO Umtausch (FEHL_CODE, GRUND) VALUES (?, ?)"),
                {QString::fromLatin1(code), QStringLiteral("Grund ") + QString::fromLatin1(code)});
    }

    TempHome m_home;
    std::unique_ptr<DataSet> m_set;
};

TEST_F(ExchangeReasonsTest, UpAndDownStepThroughTheCodesInOrder)
{
    ExchangeReasons reasons(m_set->db());
    struct Case
    {
        const char* from;
        int direction;
        const char* expected;
    };
    const Case cases[] = {
        {"", +1, "001"},    {"", -1, "007"},    {"999", +1, "001"}, {"001", +1, "002"},
        {"002", +1, "007"}, {"007", +1, "007"}, {"002", -1, "001"}, {"001", -1, "001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reasons.step(QString::fromLatin1(c.from), c.direction), QString::fromLatin1(c.expected))
            << c.from << " " << c.direction;
}

TEST_F(ExchangeReasonsTest, NoReasonsGiveNoStepAndUnknownCodesDoNotExist)
{
    ExchangeReasons reasons(m_set->db());
    EXPECT_TRUE(reasons.exists(QStringLiteral("002")));
    EXPECT_FALSE(reasons.exists(QStringLiteral("003")));
    EXPECT_FALSE(reasons.exists(QString()));
    m_set->db().run(QStringLiteral("DELETE FROM Umtausch"));
    EXPECT_FALSE(reasons.step(QStringLiteral("001"), +1).has_value());
}

TEST_F(ExchangeReasonsTest, RewordedTextsAreStoredAndForeignCodesIgnored)
{
    ExchangeReasons reasons(m_set->db());
    reasons.saveTexts({{QStringLiteral("002"), QStringLiteral("Deckel verzogen")},
                       {QStringLiteral("555"), QStringLiteral("neu")}});
    const auto all = reasons.all();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].text, QStringLiteral("Deckel verzogen"));
    EXPECT_EQ(all[0].text, QStringLiteral("Grund 001"));
    EXPECT_FALSE(reasons.exists(QStringLiteral("555")));
}

} // namespace

} // namespace korbelant::test
