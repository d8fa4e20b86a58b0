#include "parties/PartyDialogWorkflow.h"
#include "support/PartyModuleFixture.h"

namespace korbelant::test {

namespace {

class PartyDialogWorkflowTest : public PartyModuleFixture
{
protected:
    PartyDialogWorkflowTest() { addArticle(QStringLiteral("A100"), QStringLiteral("10"), 10.0); }

    PartyDialogWorkflow startNew(const QDate& date)
    {
        const auto rNr = party().checkPartyNumber(date.toString(QStringLiteral("dd.MM.yyyy")),
                                                  QStringLiteral("B"), QDate(2100, 1, 1));
        EXPECT_TRUE(rNr.has_value());
        PartyDialogWorkflow workflow = PartyDialogWorkflow::startNew(party(), *rNr, date);
        party().setHost(workflow.header(), QStringLiteral("100001"));
        return workflow;
    }

    int rowsOf(const char* table, const QString& rNr)
    {
        return db()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE R_NR = ?").arg(QString::fromLatin1(table)),
                    {rNr})
            .toInt();
    }
};

TEST_F(PartyDialogWorkflowTest, NewPartyIsStoredOnlyWhenTheDialogIsLeftWithOk)
{
    PartyDialogWorkflow workflow = startNew(QDate(2026, 3, 12));
    EXPECT_TRUE(workflow.isNew());
    EXPECT_EQ(workflow.rNr(), QStringLiteral("120326B"));
    EXPECT_FALSE(party().headerStored(workflow.rNr()));

    TVorFuerModul::Record edited = workflow.header();
    edited[QStringLiteral("GAESTE")] = 7;
    workflow.accept(edited);
    EXPECT_EQ(header(QStringLiteral("120326B")).value(QStringLiteral("GAESTE")).toInt(), 7);
    EXPECT_TRUE(party().participant(QStringLiteral("120326B"), TVorFuerModul::kHost).has_value());
}

TEST_F(PartyDialogWorkflowTest, CancelledNewPartyLeavesNoPartyBehind)
{
    // Without "Datum ändern" nothing was stored; with a date in another week the party was
    // stored meanwhile, with its host.
    for (const bool dateChanged : {false, true}) {
        PartyDialogWorkflow workflow = startNew(QDate(2026, 3, 12));
        if (dateChanged) {
            party().changeDate(workflow.header(), QDate(2026, 3, 26));
            ASSERT_TRUE(party().headerStored(workflow.rNr()));
        }
        workflow.cancel();
        EXPECT_FALSE(party().headerStored(workflow.rNr())) << "date changed: " << dateChanged;
        EXPECT_EQ(rowsOf("Tupper", workflow.rNr()), 0) << "date changed: " << dateChanged;
    }
    EXPECT_TRUE(ui().shown().empty());
}

TEST_F(PartyDialogWorkflowTest, CancelledEditKeepsTheStoredParty)
{
    const QString rNr = makeParty(QDate(2026, 3, 12));
    addGuest(rNr, QStringLiteral("100001"));
    ASSERT_EQ(enter(rNr, TVorFuerModul::kHost, QStringLiteral("A100"), QStringLiteral("10"), 1),
              GuestLineRules::SaveResult::Saved);
    auto workflow = PartyDialogWorkflow::edit(party(), rNr);
    ASSERT_TRUE(workflow.has_value());
    EXPECT_FALSE(workflow->isNew());
    workflow->header()[QStringLiteral("GAESTE")] = 9;
    party().changeDate(workflow->header(), QDate(2026, 3, 26));
    workflow->cancel();
    ASSERT_TRUE(party().headerStored(rNr));
    EXPECT_EQ(header(rNr).value(QStringLiteral("DATUM")).toDate(), QDate(2026, 3, 26))
        << "the date change was stored at once";
    EXPECT_EQ(rowsOf("Tupper", rNr), 2);
    EXPECT_EQ(rowsOf("Tupper1", rNr), 1);

    EXPECT_FALSE(PartyDialogWorkflow::edit(party(), QStringLiteral("010101Z")).has_value());
}

TEST_F(PartyDialogWorkflowTest, GuestWindowStartsWithTheHostOfANewPartyElseWithTheSelectedGuest)
{
    const QString stored = makeParty(QDate(2026, 3, 5));
    const PartyDialogWorkflow created = startNew(QDate(2026, 3, 12));
    const auto edited = PartyDialogWorkflow::edit(party(), stored);
    ASSERT_TRUE(edited.has_value());
    const struct
    {
        const PartyDialogWorkflow& workflow;
        const char* selected;
        const char* first;
    } cases[] = {{created, "03", "01"}, {created, "", "01"}, {*edited, "03", "03"}, {*edited, "", "01"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.workflow.firstGuest(QString::fromLatin1(c.selected)), QString::fromLatin1(c.first))
            << "new: " << c.workflow.isNew() << ", selected: " << c.selected;
}

} // namespace

} // namespace korbelant::test
