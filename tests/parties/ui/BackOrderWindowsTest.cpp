#include "parties/BackOrderRules.h"
#include "parties/ui/BackOrderLineModel.h"
#include "parties/ui/TNachliefBearForm.h"
#include "parties/ui/TNachliefForm.h"
#include "support/PartyListFixture.h"

#include <QBrush>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>

namespace korbelant::test {

class BackOrderWindows : public PartyListFixture
{
protected:
    void SetUp() override
    {
        berta = guest(QStringLiteral("100011"), QStringLiteral("Schmidt"), QStringLiteral("Berta"));
        line(berta, {.L_NR = QStringLiteral("1001"), .STUECK = 3});
        line(berta, {.L_NR = QStringLiteral("2002"), .NACHLIEF = QStringLiteral("B")});
        line(QStringLiteral("01"), {.L_NR = QStringLiteral("3003"), .VORAB = QStringLiteral("V")});
        week = header(rNr).value(QStringLiteral("MWoche")).toString();
        db().run(QStringLiteral("UPDATE Tupper1 SET MWoche = ? WHERE R_NR = ?"), {week, rNr});
    }
    std::unique_ptr<TNachliefForm> open()
    {
        auto form = std::make_unique<TNachliefForm>(*m_set, ui(), week);
        form->show();
        return form;
    }
    static QString cell(QTableView* view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }
    QPushButton* button(QWidget* form, const QString& caption)
    {
        for (QPushButton* b : form->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    QString berta;
    QString week;
};

TEST_F(BackOrderWindows, EnterModeListsTheWeekAndActionsStoreTheLine)
{
    auto form = open();
    EXPECT_EQ(form->mode(), TNachliefForm::Mode::Enter);
    EXPECT_EQ(form->yearEdit()->text() + form->weekEdit()->text(), week);
    QTableView* list = form->lineList();
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Status"));
    EXPECT_EQ(cell(list, 0, 6), QStringLiteral("Vorablieferung")); // the host's line comes first
    EXPECT_EQ(cell(list, 2, 6), QStringLiteral("nachträg. geliefert"));
    EXPECT_EQ(list->model()->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(200, 255, 200));

    list->setCurrentIndex(list->model()->index(1, 0));
    EXPECT_EQ(form->guestLabel()->text(), QStringLiteral("Schmidt, Berta, 10011, Altdorf"));
    EXPECT_EQ(form->hostLabel()->text(), QStringLiteral("Müller, Anna, 12345, Neustadt"));
    button(form.get(), QStringLiteral("&Nachlieferung"))->click();
    EXPECT_EQ(cell(list, 1, 6), QStringLiteral("nicht geliefert"));
    EXPECT_EQ(list->model()->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 200, 200));
    EXPECT_EQ(form->piecesBox()->value(), 3);

    form->piecesBox()->setValue(5);
    button(form.get(), QStringLiteral("Stück ü&bernehmen"))->click();
    EXPECT_TRUE(ui().wasShown(QStringLiteral("Nur 3 Stück bestellt.")));
    EXPECT_EQ(form->piecesBox()->value(), 3);

    // The advance line refuses, and stays as it was.
    list->setCurrentIndex(list->model()->index(0, 0));
    button(form.get(), QStringLiteral("&Erledigt"))->click();
    EXPECT_TRUE(ui().wasShown(BackOrderRules::kMarkedAdvance));

    // Another week shows nothing; the week fields filter as they change.
    form->weekEdit()->setText(QStringLiteral("52"));
    EXPECT_EQ(list->model()->rowCount(), 0);
}

TEST_F(BackOrderWindows, WorkModeListsTheOpenLinesOfEveryWeek)
{
    auto form = open();
    form->yearEdit()->setText(QStringLiteral("1999"));
    form->setMode(TNachliefForm::Mode::Work);
    QTableView* list = form->lineList();
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(cell(list, 0, 2), QStringLiteral("2002"));
    EXPECT_FALSE(form->yearEdit()->isEnabled());
    form->setMode(TNachliefForm::Mode::Enter);
    EXPECT_TRUE(form->yearEdit()->isEnabled());
    EXPECT_EQ(list->model()->rowCount(), 0);
}

TEST_F(BackOrderWindows, EditWindowTakesTheDeliveredPieces)
{
    db().run(QStringLiteral("UPDATE Tupper1 SET NA_STUECK = 1 WHERE L_NR = '2002'"));
    TNachliefBearForm form(db(), ui());
    form.show();
    BackOrderLineModel* lines = form.lines();
    ASSERT_EQ(lines->rowCount(), 1);
    EXPECT_EQ(lines->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Nachlief. (geliefert)"));
    const QModelIndex delivered = lines->index(0, BackOrderLineModel::kDeliveredColumn);
    EXPECT_TRUE(lines->flags(delivered) & Qt::ItemIsEditable);
    EXPECT_EQ(lines->index(0, 6).data().toInt(), 1);
    EXPECT_FALSE(lines->flags(lines->index(0, 4)) & Qt::ItemIsEditable);
    EXPECT_FALSE(lines->setData(delivered, 2)); // one piece ordered
    EXPECT_TRUE(lines->setData(delivered, 1));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT NA_STU_LI FROM Tupper1 WHERE L_NR = '2002'")).toInt(), 1);
    EXPECT_EQ(lines->index(0, 6).data().toInt(), 0);
    EXPECT_EQ(form.guestLabel()->text(), QStringLiteral("Schmidt, Berta, 10011, Altdorf"));
}

} // namespace korbelant::test
