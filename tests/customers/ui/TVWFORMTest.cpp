#include "customers/ui/TVWFORM.h"
#include "app/TInfoForm.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace korbelant::test {

namespace {

const QDate kToday(2026, 12, 28);

// Closes the next modal window once it is up, noting what it showed.
struct ModalCloser
{
    QStringList titles;
    QList<int> followUps;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            titles << modal->windowTitle();
            if (auto* window = qobject_cast<QDialog*>(modal)) {
                if (auto* grid = window->findChild<QTableWidget*>())
                    followUps << grid->rowCount();
                window->accept();
            }
        });
    }
};

QStringList column(QTableWidget* grid, int col)
{
    QStringList values;
    for (int row = 0; row < grid->rowCount(); ++row)
        values << grid->item(row, col)->text();
    return values;
}

} // namespace

class TVWFORMTest : public DataSetFixture
{
protected:
    void add(const char* number, const char* field, const QDate& date)
    {
        CustomerBuilder::addDated(db(), number, field, date);
    }
    ModalCloser closer;
};

TEST_F(TVWFORMTest, AtStartOnlyWhenSomethingIsDueAndTheMenuAlways)
{
    options().setChecked(QStringLiteral("Geburtstage"), false);
    options().setChecked(QStringLiteral("Vorfuehrungen"), false);
    TVWFORM window(*m_set, ui());
    EXPECT_FALSE(window.CheckDueReminders(kToday)) << "nothing due";
    closer.arm();
    window.showFor(kToday);
    EXPECT_EQ(closer.titles, QStringList{TVWFORM::kCaption});
    EXPECT_EQ(closer.followUps, QList<int>{0});

    add("900001", "WiederVorlage", kToday.addDays(1));
    EXPECT_FALSE(window.CheckDueReminders(kToday)) << "a follow-up of tomorrow";
    add("900002", "GEBURTSTAG", QDate(1970, 1, 2));
    add("900003", "GEBURTSTAG", QDate(1970, 1, 3));
    EXPECT_FALSE(window.CheckDueReminders(kToday)) << "a birthday with both options cleared";
    options().setChecked(QStringLiteral("Vorfuehrungen"), true);
    closer.arm();
    EXPECT_TRUE(window.CheckDueReminders(kToday)) << "the birthday with either option set";
    EXPECT_EQ(column(window.birthdayGrid(), 1), QStringList{QStringLiteral("900002")});
}

TEST_F(TVWFORMTest, ResetRemovesTheFollowUpAtOnceAndCheckBoxesCountOnClosing)
{
    add("900001", "WiederVorlage", kToday);
    add("900002", "WiederVorlage", QDate(2000, 1, 1));
    add("900003", "WiederVorlage", QDate(1999, 12, 31));
    add("900004", "N_DATUM", kToday.addDays(6));
    add("900005", "N_DATUM", kToday.addDays(7));
    options().setChecked(QStringLiteral("Geburtstage"), true);
    options().setChecked(QStringLiteral("Vorfuehrungen"), true);
    TVWFORM window(*m_set, ui());
    window.fill(kToday);
    EXPECT_EQ(column(window.followUpGrid(), 1), (QStringList{"900001", "900002"}));
    EXPECT_EQ(column(window.followUpGrid(), 0), (QStringList{"28.12.2026", "01.01.2000"}));
    EXPECT_EQ(column(window.partyGrid(), 1), QStringList{QStringLiteral("900004")});
    EXPECT_EQ(window.partyGrid()->horizontalHeaderItem(0)->text(), QStringLiteral("nä. Vorführung"));

    window.followUpGrid()->selectRow(0);
    window.resetFollowUp();
    EXPECT_EQ(column(window.followUpGrid(), 1), QStringList{QStringLiteral("900002")});
    EXPECT_TRUE(
        db().scalar(QStringLiteral("SELECT WiederVorlage FROM Kunden WHERE K_NR = '900001'")).isNull());

    window.birthdayBox()->setChecked(false);
    EXPECT_TRUE(options().checked(QStringLiteral("Geburtstage"))) << "not before the window closes";
    window.accept();
    Options saved(options().path());
    saved.LoadOptions();
    EXPECT_FALSE(saved.checked(QStringLiteral("Geburtstage")));
    EXPECT_TRUE(saved.checked(QStringLiteral("Vorfuehrungen")));

    window.fill(kToday);
    window.followUpGrid()->clearSelection();
    window.followUpGrid()->setRowCount(0);
    window.resetFollowUp(); // an empty list: nothing happens
    EXPECT_EQ(
        db().scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE WiederVorlage IS NOT NULL")).toInt(),
        2);
}

TEST_F(TVWFORMTest, InformationWindowLinesCheckBoxAndClosing)
{
    options().setChecked(QStringLiteral("Info"), true);
    options().setChecked(QStringLiteral("Euro"), true);
    TInfoForm info(*m_set, QDateTime(QDate(2001, 12, 31), QTime(18, 30)));
    const QStringList lines = info.shownLines();
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Informationen auf einen Blick"));
    EXPECT_EQ(lines.value(0), QStringLiteral("Guten Abend,"));
    EXPECT_EQ(lines.value(2), QStringLiteral("Es sind noch 1 Tage bis zur Währungsumstellung."));
    EXPECT_EQ(lines.last(), QStringLiteral("Gewählte Schnittstellenversion(Optionen) : V 2.0"));
    ASSERT_TRUE(info.showNextTime()->isChecked());
    info.showNextTime()->click();
    Options saved(options().path());
    saved.LoadOptions();
    EXPECT_FALSE(saved.checked(QStringLiteral("Info"))) << "saved at once";

    info.show();
    QTest::keyClick(&info, Qt::Key_Escape);
    EXPECT_FALSE(info.isVisible());
    info.show();
    QTest::mouseClick(&info, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
}

} // namespace korbelant::test
