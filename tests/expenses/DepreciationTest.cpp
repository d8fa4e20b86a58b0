#include "expenses/Depreciation.h"
#include "core/ScriptedUi.h"
#include "expenses/ExpenseBook.h"
#include "support/DataSetFixture.h"

#include <cmath>

namespace korbelant::test {

namespace {

TEST(Depreciation, FirstAndSecondHalfOfTheYear)
{
    struct Case
    {
        const char* name;
        QDate bought;
        double price;
        int term;
        int year;
        const char* restText;
        double restValue;
        double depreciation;
        bool listed;
    } cases[] = {
        {"March, purchase year", {2001, 3, 15}, 1000, 4, 2001, "3", 750, 250, true},
        {"March, last year", {2001, 3, 15}, 1000, 4, 2004, "0", 0, 250, true},
        {"March, written off", {2001, 3, 15}, 1000, 4, 2005, "-1", -250, 250, false},
        {"March, bought later", {2001, 3, 15}, 1000, 4, 2000, "-5", -1250, 250, false},
        {"September, purchase year", {2001, 9, 1}, 1000, 4, 2001, "3,5", 875, 125, true},
        {"September, second year", {2001, 9, 1}, 1000, 4, 2002, "2,5", 625, 250, true},
        {"September, last full year", {2001, 9, 1}, 1000, 4, 2004, "0,5", 125, 250, true},
        {"September, the half year after", {2001, 9, 1}, 1000, 4, 2005, "0", 0, 125, true},
        {"September, written off", {2001, 9, 1}, 1000, 4, 2006, "-2", -500, 250, false},
        {"October, term of three", {2003, 10, 2}, 900, 3, 2003, "2,5", 750, 150, true},
        {"July is the second half", {2003, 7, 1}, 600, 2, 2003, "1,5", 450, 150, true},
        {"June is the first half", {2003, 6, 30}, 600, 2, 2003, "1", 300, 300, true},
        {"a term of one year has no half year", {2003, 9, 1}, 500, 1, 2003, "0", 0, 500, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Depreciation d = Depreciation::compute(c.bought, c.price, c.term, c.year);
        EXPECT_EQ(d.RestLStr, QString::fromLatin1(c.restText));
        ASSERT_TRUE(d.RestBetrag && d.AbschreibCalc);
        EXPECT_DOUBLE_EQ(*d.RestBetrag, c.restValue);
        EXPECT_DOUBLE_EQ(*d.AbschreibCalc, c.depreciation);
        EXPECT_EQ(d.listed(c.term), c.listed);
    }
}

TEST(Depreciation, ListedYearsAddUpToThePrice)
{
    for (const QDate bought : {QDate(2001, 3, 15), QDate(2001, 9, 1), QDate(2001, 12, 31)}) {
        for (int term : {1, 2, 4, 7}) {
            SCOPED_TRACE(bought.toString().toStdString() + " / " + std::to_string(term));
            double sum = 0;
            for (int year = 1999; year <= 2012; ++year) {
                const Depreciation d = Depreciation::compute(bought, 1000, term, year);
                if (d.listed(term))
                    sum += *d.AbschreibCalc;
            }
            EXPECT_NEAR(sum, 1000, 1e-9);
        }
    }
}

TEST(Depreciation, NothingWithoutAYearOrATerm)
{
    const Depreciation noYear = Depreciation::compute({2001, 3, 1}, 1000, 4, std::nullopt);
    EXPECT_FALSE(noYear.RestLaufzeit || noYear.RestBetrag || noYear.AbschreibCalc);
    EXPECT_FALSE(ExpenseBook::yearOf(QStringLiteral("20a1")));
    EXPECT_FALSE(ExpenseBook::yearOf(QString()));
    EXPECT_EQ(ExpenseBook::yearOf(QStringLiteral(" 2001 ")), 2001);

    const Depreciation noTerm = Depreciation::compute({2001, 3, 1}, 1000, 0, 2001);
    EXPECT_EQ(noTerm.RestLaufzeit, 0.0);
    EXPECT_FALSE(noTerm.RestBetrag || noTerm.AbschreibCalc);
}

class ExpenseBookTest : public DataSetFixture
{
protected:
    Expense stored(const QDate& date, const QString& text, int term, double price)
    {
        Expense e;
        e.AUSDATUM = date;
        e.ATEXT = text;
        e.LAUFZEIT = term;
        e.BETRAG = price;
        EXPECT_TRUE(ExpenseBook(db(), ui()).store(e));
        return e;
    }
};

TEST_F(ExpenseBookTest, StoreChangeAndDelete)
{
    Expense desk = stored({2001, 9, 1}, QStringLiteral("Schreibtisch"), 4, 1000);
    stored({2001, 3, 15}, QStringLiteral("Drucker"), 4, 1000);
    ASSERT_NE(desk.ID, 0);

    auto list = ExpenseBook(db(), ui()).expenses(2001);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].ATEXT, QStringLiteral("Drucker"));
    EXPECT_EQ(list[1].depreciation.RestLStr, QStringLiteral("3,5"));

    desk.LAUFZEIT = 2;
    ASSERT_TRUE(ExpenseBook(db(), ui()).store(desk));
    EXPECT_EQ(ExpenseBook(db(), ui()).expenses(2001)[1].LAUFZEIT, 2);

    desk.LAUFZEIT = -1;
    EXPECT_FALSE(ExpenseBook(db(), ui()).store(desk));
    EXPECT_TRUE(ui().wasShown(ExpenseBook::kNegativeTerm));

    EXPECT_FALSE(ExpenseBook(db(), ui()).remove(desk.ID)); // no answer: No
    ui().addAnswer(UiPort::Answer::Yes);
    EXPECT_TRUE(ExpenseBook(db(), ui()).remove(desk.ID));
    EXPECT_TRUE(ui().wasShown(ExpenseBook::kDeleteQuestion));
    EXPECT_EQ(ExpenseBook(db(), ui()).expenses(2001).size(), 1u);
}

} // namespace

} // namespace korbelant::test
