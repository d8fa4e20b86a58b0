#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/KundenFields.h"
#include "core/TableBuilder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::TempHome;

namespace {

const QString kCustomers = QStringLiteral("SELECT count(*) FROM Kunden");

void addCustomer(Database& db, const QString& number)
{
    db.insert(KundenFields::table(),
              {{KundenFields::K_NR, number}, {KundenFields::NAME, QStringLiteral("Kunde ") + number}});
}

} // namespace

// The connection keeps the statements it runs prepared; none of them may hold a read open, lend
// itself twice or stand in the way of a change of the tables.
class DatabaseTest : public ::testing::Test
{
protected:
    TempHome home;
    std::unique_ptr<Database> db = home.openDb();
};

TEST_F(DatabaseTest, KeptStatementsReadWhatAnotherConnectionWroteMeanwhile)
{
    // A read that stops after its first row, run again below from the kept statement.
    const QString firstNumber = QStringLiteral("SELECT K_NR FROM Kunden ORDER BY K_NR DESC");
    ASSERT_EQ(db->scalar(kCustomers).toInt(), 3);
    ASSERT_EQ(db->scalar(firstNumber).toString(), QStringLiteral("100001"));

    auto other = home.openDb();
    addCustomer(*other, QStringLiteral("100002"));

    EXPECT_EQ(db->scalar(kCustomers).toInt(), 4);
    EXPECT_EQ(db->scalar(firstNumber).toString(), QStringLiteral("100002"));
}

TEST_F(DatabaseTest, TheSameStatementRunsAgainWhileItsRowsAreRead)
{
    const QString numbersFrom = QStringLiteral("SELECT K_NR FROM Kunden WHERE K_NR >= ? ORDER BY K_NR");
    QStringList outer;
    QStringList inner;
    CachedStatement st = db->cached(numbersFrom);
    st->bind(1, QStringLiteral("0"));
    while (st->next()) {
        outer << st->text(0);
        for (const QVariantList& row : db->rows(numbersFrom, {QStringLiteral("100001")}))
            inner << row.at(0).toString();
    }
    EXPECT_EQ(outer,
              (QStringList{QStringLiteral("099999"), QStringLiteral("100000"), QStringLiteral("100001")}));
    EXPECT_EQ(inner,
              (QStringList{QStringLiteral("100001"), QStringLiteral("100001"), QStringLiteral("100001")}));
}

TEST_F(DatabaseTest, TablesAreRebuiltAndAlteredAfterKeptStatementsRan)
{
    // Reads that stop after their first row, and full ones: a statement left running would lock
    // its table against the rebuild.
    db->scalar(QStringLiteral("SELECT K_NR FROM Kunden ORDER BY K_NR"));
    db->scalar(QStringLiteral("SELECT R_NR FROM Tuppkopf"));
    db->rows(QStringLiteral("SELECT * FROM Kunden"));
    const TableBuilder::Outcome outcome = TableBuilder(*db).RepairTables();
    EXPECT_TRUE(outcome.rebuilt.contains(QStringLiteral("Kunden")));
    db->execScript(QStringLiteral("ALTER TABLE Kunden ADD COLUMN EXTRA TEXT"));
    db->schemaChanged();

    addCustomer(*db, QStringLiteral("100002"));
    EXPECT_EQ(db->scalar(kCustomers).toInt(), 4);
    EXPECT_EQ(db->rows(QStringLiteral("SELECT * FROM Kunden")).front().size(),
              static_cast<qsizetype>(KundenFields::table().fields.size()) + 1);
}

TEST_F(DatabaseTest, AFailedStatementLeavesItsKeptStatementUsable)
{
    addCustomer(*db, QStringLiteral("100002"));
    EXPECT_THROW(addCustomer(*db, QStringLiteral("100002")), DatabaseError);
    addCustomer(*db, QStringLiteral("100003"));
    EXPECT_EQ(db->scalar(kCustomers).toInt(), 5);
}
