#include "parties/ui/GuestArticleModel.h"
#include "parties/ui/GuestKeys.h"
#include "parties/ui/GuestLineModel.h"
#include "parties/ui/PartyTableModel.h"
#include "parties/ui/TNewGuestForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "support/PartyModuleFixture.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <functional>
#include <memory>

namespace korbelant::test {

namespace {

// The item models of the party window and the guest window under Qt's model checker while the
// windows re-sort, replace, delete, enter lines and filter the article list: every change is
// announced the way views rely on.
class PartyItemModelsTest : public PartyModuleFixture
{
protected:
    PartyItemModelsTest()
    {
        for (const char* kNr : {"100010", "100011", "100012"})
            addCustomer(kNr, {{"VORNAME", QString::fromLatin1(kNr)}});
        addArticle("A100", "10", 10.0, 3);
        addArticle("B200", "20", 4.5);
        addArticle("C300", "10", 20.0, 5, 1);
        addArticle("D400", "10", 7.0);
        db().run("UPDATE Lager SET AKTIV = 1 WHERE L_NR IN ('A100', 'B200', 'C300')");
        first = makeParty(QDate(2025, 3, 5), "100010");
        addGuest(first, "100011");
        second = makeParty(QDate(2025, 2, 12), "100011");
        third = makeParty(QDate(2025, 3, 19), "100012", "B");
    }

    struct Step
    {
        const char* what;
        std::function<void()> action;
        int rows;
    };

    static void run(const QAbstractItemModel& model, std::initializer_list<Step> steps)
    {
        for (const Step& step : steps) {
            step.action();
            EXPECT_EQ(model.rowCount(), step.rows) << step.what;
        }
    }

    QString first, second, third;
};

} // namespace

TEST_F(PartyItemModelsTest, PartyListThroughSortingTheGuestWindowAndDeleting)
{
    TVorFuerForm form(
        *m_set, party(), *m_customers, ui(),
        [this](const QString& rNr, const QString& pNr) {
            EXPECT_EQ(enter(rNr, pNr, "A100", "10", 2), GuestLineRules::SaveResult::Saved);
            return pNr;
        },
        QDate(2025, 3, 12));
    PartyTableModel* model = form.partyModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto turnover = [&](const QString& rNr) {
        return model->index(model->rowOf(rNr), 4).data().toString();
    };

    run(*model, {
                    {"opened", [] {}, 3},
                    {"every order",
                     [&] {
                         for (int i = 0; i < form.sortBox()->count(); ++i)
                             form.sortBox()->setCurrentIndex(i);
                     },
                     3},
                    {"the guest window on a guest",
                     [&] {
                         ASSERT_TRUE(form.selectParty(first));
                         ASSERT_TRUE(form.selectGuest("02"));
                         form.editGuest();
                     },
                     3},
                    {"a party deleted",
                     [&] {
                         ASSERT_TRUE(form.selectParty(second));
                         ui().addAnswer(UiPort::Answer::Ok);
                         form.deleteParty();
                     },
                     2},
                });
    EXPECT_EQ(turnover(first), QStringLiteral("20,00"));
    EXPECT_EQ(model->rowOf(second), -1);
    EXPECT_NE(model->rowOf(third), -1);
}

TEST_F(PartyItemModelsTest, GuestWindowLinesAndArticleListWhileEntering)
{
    TNewGuestForm form(*m_party, *m_articles, *m_customers, options(), ui(), first, TVorFuerModul::kHost);
    form.show();
    QAbstractItemModel* lines = form.lineGrid()->model();
    QAbstractItemModel* articles = form.articleGrid()->model();
    ASSERT_TRUE(dynamic_cast<GuestLineModel*>(lines));
    ASSERT_TRUE(dynamic_cast<GuestArticleModel*>(articles));
    QAbstractItemModelTester lineTester(lines, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester articleTester(articles, QAbstractItemModelTester::FailureReportingMode::Fatal);

    // The line being added is shown after the stored ones.
    run(*lines,
        {
            {"opened on the host: the new line", [] {}, 1},
            {"a line entered", [&] { typeLine(form, "10", "A100", "2"); }, 2},
            {"another one", [&] { typeLine(form, "10", "C300", "1"); }, 3},
            {"the empty new line dropped", [&] { QTest::keyClick(form.kindEdit(), Qt::Key_Escape); }, 2},
            {"a line edited",
             [&] {
                 form.lineGrid()->selectRow(0);
                 form.editLine();
             },
             2},
            {"the edit undone", [&] { form.resetLine(); }, 2},
            {"a line deleted", [&] { form.deleteLine(); }, 1},
            {"the next participant", [&] { form.moveParticipant(1); }, 1},
            {"back to the host", [&] { form.moveParticipant(-1); }, 1},
        });

    // Kind 10 is being entered: the list holds the articles of its source kind.
    form.newLine();
    run(*articles, {
                       {"active articles of kind 10", [] {}, 2},
                       {"inactive ones as well", [&] { form.inaktivBox()->setChecked(true); }, 3},
                       {"only inactive ones", [&] { form.aktivBox()->setChecked(false); }, 1},
                       {"both again", [&] { form.aktivBox()->setChecked(true); }, 3},
                       {"only those in stock", [&] { form.lagerBox()->setChecked(true); }, 1},
                       {"stock or not", [&] { form.lagerBox()->setChecked(false); }, 3},
                       {"a letter tab", [&] { form.letterTabs()->setCurrentIndex(2); }, 3},
                   });
}

} // namespace korbelant::test
