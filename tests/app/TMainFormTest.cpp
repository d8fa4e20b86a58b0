#include "app/TMainForm.h"
#include "app/TLoadForm.h"
#include "app/TWeekOverviewChart.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/HelpDocument.h"
#include "core/MainWindowState.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "core/Startup.h"
#include "euro/ui/TEuroForm.h"
#include "euro/ui/TEuroRechner.h"
#include "support/TestSupport.h"
#include "week/WeekOverview.h"
#include "week/ui/TWeekRForm.h"
#include "week/ui/WeekPartWeeksTab.h"
#include "week/ui/WeekRecordBinder.h"
#include "widgets/NotAvailable.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

const QDate kToday(2003, 1, 29); // week 05 of 2003

QStringList menuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            texts << menuTexts(action->menu()->actions());
    }
    return texts;
}

QAction* findAction(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction* inner = findAction(action->menu()->actions(), text))
                return inner;
    }
    return nullptr;
}

void pressF1(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// Lets a timer run out at once, without waiting for it.
void fire(QTimer* timer)
{
    timer->stop();
    QMetaObject::invokeMethod(timer, "timeout");
}

class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = m_temp.openDb();
        const TableDef& parties = Schema::get("Tuppkopf");
        db->insert(parties, {{"R_NR", "290103A"}, {"MWoche", "200305"}, {"TWoche", "1"}, {"S_UMSATZ", 700}});
        db->insert(parties, {{"R_NR", "220103A"}, {"MWoche", "200304"}, {"TWoche", "1"}, {"S_UMSATZ", 400}});
        db->insert(parties, {{"R_NR", "230103A"}, {"MWoche", "200304"}, {"TWoche", "1"}, {"S_UMSATZ", 100}});
        db->insert(parties, {{"R_NR", "061102A"}, {"MWoche", "200245"}, {"TWoche", "1"}, {"S_UMSATZ", 300}});
        db->insert(parties, {{"R_NR", "200102A"}, {"MWoche", "200203"}, {"TWoche", "1"}, {"S_UMSATZ", 900}});
    }

    std::unique_ptr<TMainForm> build()
    {
        Startup::Environment env;
        env.today = kToday;
        m_startup = std::make_unique<Startup>(m_temp.home(), m_ui, env);
        if (m_startup->run() != Startup::Outcome::Ready)
            return nullptr;
        m_startup->prepareMainWindow();
        auto form = std::make_unique<TMainForm>(m_startup->dataSet(), m_startup->state(), m_ui,
                                                WeekOverview::startKey(kToday), kToday);
        TMainForm::Hooks hooks;
        hooks.followUpCheck = [this] { ++m_followUps; };
        hooks.openDocument = [this](const QString& path) {
            m_opened << path;
            return true;
        };
        form->setHooks(hooks);
        return form;
    }

    test::TempHome m_temp;
    ScriptedUi m_ui;
    std::unique_ptr<Startup> m_startup;
    int m_followUps = 0;
    QStringList m_opened;
};

} // namespace

TEST_F(MainFormTest, CaptionMenuAndToolBar)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    EXPECT_TRUE(form->windowTitle().startsWith("Vorlix-Soft - ")) << form->windowTitle().toStdString();
    EXPECT_TRUE(form->windowTitle().endsWith(" (6.4a) - Vorname Name ()"))
        << form->windowTitle().toStdString();
    form->resize(900, 700);
    EXPECT_EQ(form->windowTitle(), m_startup->state().caption());

    const QStringList menu = menuTexts(form->menuBar()->actions());
    for (const char* entry : {"&Bearbeiten",
                              "&Kunden",
                              "&Artikel",
                              "V&orführungen",
                              "&Wochenabschluß",
                              "&Termininfofenster zeigen",
                              "&Verlassen",
                              "&Reiseabrechnung",
                              "Aus&gaben",
                              "&Dienste",
                              "Daten&übernahme von Korbelant (DOS)",
                              "Datenübernahme von KALMOR (DOS)",
                              "Datenübernahme von Orvela(Win)",
                              "Datenübernahme von Quarnel(Win)",
                              "Daten &löschen/zurücksetzen",
                              "Index &wiederherstellen",
                              "Daten&sicherung zurückspielen",
                              "Euroum&rechner für Einzelbeträge",
                              "Datenbestand in &Euro umrechnen",
                              "&Drucker",
                              "Optionen",
                              "&Hilfe",
                              "Hilfedatei (PDF)",
                              "Inf&o..."})
        EXPECT_TRUE(menu.contains(entry)) << entry;

    QStringList buttons;
    for (QToolButton* button : form->findChildren<QToolButton*>())
        buttons << button->text();
    for (const char* button : {"  &Kunden ", "  &Artikel  ", "Vor&planung", "&Vorführung", "&Woche",
                               "&Statistik", "Verlass&en", "&Euro", "&Hilfe", "Zirkel"})
        EXPECT_TRUE(buttons.contains(button)) << button;
    EXPECT_FALSE(form->groupProgramVisible()) << "no group program in the default directory";

    QAction* customers = findAction(form->menuBar()->actions(), "&Kunden");
    ASSERT_TRUE(customers);
    EXPECT_EQ(customers->statusTip(), "Kundenverwaltung starten.");
    QAction* appointments = findAction(form->menuBar()->actions(), "&Termininfofenster zeigen");
    ASSERT_TRUE(appointments);
    appointments->trigger();
    EXPECT_EQ(m_ui.shownTexts(), QStringList{NotAvailable::kText});
}

TEST_F(MainFormTest, InfoEntryShowsTheInformationThroughThePort)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    QAction* info = findAction(form->menuBar()->actions(), "Inf&o...");
    ASSERT_TRUE(info);
    info->trigger();
    DataSet& set = m_startup->dataSet();
    const QString expected = m_startup->state().infoText(set.db(), set.options());
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(m_ui.shownTexts(), QStringList{expected});
}

TEST_F(MainFormTest, WeekOverviewBarsStandAtTheirWeeks)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    const TWeekOverviewChart* chart = form->overviewChart();
    EXPECT_EQ(chart->chart()->title(), "Wochenübersicht");
    EXPECT_EQ(chart->chart()->titleBrush().color(), QColor(Qt::blue));
    EXPECT_EQ(chart->chart()->backgroundBrush().color(), QColor(0, 255, 0));
    EXPECT_FALSE(chart->chart()->legend()->isVisible());
    const auto bars = chart->chart()->series();
    ASSERT_EQ(bars.size(), 1);
    const auto* series = qobject_cast<const QBarSeries*>(bars.front());
    ASSERT_TRUE(series);
    EXPECT_DOUBLE_EQ(series->barWidth(), 0.3);
    EXPECT_FALSE(series->isLabelsVisible());
    EXPECT_EQ(const_cast<QBarSet*>(chart->barSet())->color(), QColor(Qt::blue)); // color() is not const
    EXPECT_DOUBLE_EQ(chart->valueAt(53), 700);
    EXPECT_DOUBLE_EQ(chart->valueAt(52), 500);
    EXPECT_DOUBLE_EQ(chart->valueAt(41), 300); // twelve calendar weeks before 2003/05
    EXPECT_DOUBLE_EQ(chart->valueAt(51), 0);
    EXPECT_EQ(chart->labels(), (QStringList{"2002/45", "2003/04", "2003/05"}))
        << "200203 is before the start key";
    double total = 0;
    for (int i = 0; i < chart->barSet()->count(); ++i)
        total += chart->barSet()->at(i);
    EXPECT_DOUBLE_EQ(total, 1500);

    // A party entered meanwhile shows after the overview is read again.
    m_startup->dataSet().db().insert(
        Schema::get("Tuppkopf"),
        {{"R_NR", "270103A"}, {"MWoche", "200305"}, {"TWoche", "1"}, {"S_UMSATZ", 50}});
    form->refreshOverview();
    EXPECT_DOUBLE_EQ(chart->valueAt(53), 750);

    // While a work window is open the chart is hidden.
    bool hiddenMeanwhile = false;
    form->runWorkWindow([&] { hiddenMeanwhile = !chart->isVisible(); });
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(chart->isVisible());
}

TEST_F(MainFormTest, F1OpensHelpFromEveryWindow)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    // The start put the manual built with the program into the data home; F1 opens it.
    QFile manual(m_temp.home().helpFile());
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manual.read(5) == "%PDF-");
    EXPECT_GT(manual.size(), 20000);
    manual.close();
    pressF1(form.get());
    EXPECT_EQ(m_opened, QStringList{m_temp.home().helpFile()});
    EXPECT_TRUE(m_ui.shownTexts().isEmpty());
    m_opened.clear();

    ASSERT_TRUE(QFile::remove(m_temp.home().helpFile()));
    pressF1(form.get());
    EXPECT_EQ(m_ui.shownTexts(), QStringList{HelpDocument::missingMessage(m_temp.home().helpFile())});

    QFile pdf(m_temp.home().helpFile());
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n");
    pdf.close();
    QDialog other;
    auto* edit = new QLineEdit(&other);
    other.show();
    pressF1(edit);
    pressF1(form->overviewChart());
    EXPECT_EQ(m_opened, (QStringList{m_temp.home().helpFile(), m_temp.home().helpFile()}));
}

TEST_F(MainFormTest, GroupProgramButtonAndStartTimer)
{
    const QString groupDir = m_temp.root() + "/zirkel/";
    ASSERT_TRUE(QDir().mkpath(groupDir));
    QFile program(groupDir + "ZIRKEL60.exe");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    {
        Options options(m_temp.home().optionsFile());
        options.LoadOptions();
        options.setText("ZKPfad", groupDir);
        options.SaveOptions();
    }
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    EXPECT_TRUE(form->groupProgramVisible());
    EXPECT_EQ(m_followUps, 0);
    QTimer* timer = form->followUpTimer();
    EXPECT_TRUE(timer->isActive()) << "started as the window shows";
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 500);
    fire(timer);
    EXPECT_EQ(m_followUps, 1) << "the follow-up check runs once, half a second after the window shows";
    form->hide();
    form->show();
    EXPECT_FALSE(timer->isActive()) << "only the first show starts it";
}

TEST(LoadForm, ShowsTitleStepAndProgress)
{
    TLoadForm form(" (6.4a)");
    form.setStep("Optionen", 6);
    EXPECT_EQ(form.stepText(), "Optionen");
    EXPECT_EQ(form.progress(), 6);
    const QLabel* title = form.findChild<QLabel*>("LoadTitle");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), " (6.4a) wird geladen.");
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(MainFormTest, OptionsWindowOpensModalWithTheChartHidden)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    QString modalTitle;
    bool chartVisible = true;
    QTimer::singleShot(100, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalTitle = modal->windowTitle();
            chartVisible = form->overviewChart()->isVisible();
            static_cast<QDialog*>(modal)->reject();
        }
    });
    QAction* options = findAction(form->menuBar()->actions(), "Optionen");
    ASSERT_TRUE(options);
    options->trigger();
    EXPECT_EQ(modalTitle, "Korbelant - Optionen");
    EXPECT_FALSE(chartVisible);
    EXPECT_TRUE(form->overviewChart()->isVisible());
}

TEST_F(MainFormTest, CustomerArticleAndPartyEntriesOpenTheirWindows)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    for (const char* entry : {"&Artikel", "&Kunden", "V&orführungen", "&Wochenabschluß"}) {
        QString modalTitle;
        QTimer::singleShot(100, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalTitle = modal->windowTitle();
                static_cast<QDialog*>(modal)->reject();
            }
        });
        QAction* action = findAction(form->menuBar()->actions(), QString::fromUtf8(entry));
        ASSERT_TRUE(action) << entry;
        action->trigger();
        EXPECT_FALSE(modalTitle.isEmpty()) << entry;
        if (QByteArray(entry) == "&Kunden") {
            EXPECT_TRUE(modalTitle.endsWith(QStringLiteral("Kundenverwaltung"))) << modalTitle.toStdString();
        }
        if (QByteArray(entry) == "&Wochenabschluß") {
            EXPECT_TRUE(modalTitle.endsWith(QStringLiteral(" - Wochenverwaltung")))
                << modalTitle.toStdString();
        }
        if (QByteArray(entry) == "V&orführungen") {
            EXPECT_EQ(modalTitle, QStringLiteral("Vorführungsverwaltung"));
        }
        EXPECT_TRUE(form->overviewChart()->isVisible());
    }
}

TEST_F(MainFormTest, EuroEntriesOpenTheConversionWindowAndTheCalculator)
{
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    const QStringList shownBefore = m_ui.shownTexts();
    QAction* calculator = findAction(form->menuBar()->actions(), "Euroum&rechner für Einzelbeträge");
    ASSERT_TRUE(calculator);
    calculator->trigger();
    auto* rechner = form->findChild<TEuroRechner*>();
    ASSERT_TRUE(rechner);
    EXPECT_TRUE(rechner->isVisible());

    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            opened = window->objectName();
            static_cast<QDialog*>(window)->reject();
        }
    });
    QAction* convert = findAction(form->menuBar()->actions(), "Datenbestand in &Euro umrechnen");
    ASSERT_TRUE(convert);
    convert->trigger();
    EXPECT_EQ(opened, QStringLiteral("TEuroForm"));
    // Cancelled: the program goes on.
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(m_ui.shownTexts(), shownBefore);
}

TEST_F(MainFormTest, WeekButtonOpensTheWeekWindowWhereTheWeekIsClosed)
{
    {
        auto db = m_temp.openDb();
        db->insert(Schema::get("Tuppkopf"), {{"R_NR", "300103A"}, {"MWoche", "200305"}, {"TWoche", "2"}});
        db->run(QStringLiteral("INSERT OR IGNORE INTO MWoche (MWoche, DR_20) VALUES ('200305', 2)"));
    }
    auto form = build();
    ASSERT_TRUE(form);
    form->show();
    QToolButton* weekButton = nullptr;
    for (QToolButton* button : form->findChildren<QToolButton*>()) {
        if (button->text() == QStringLiteral("&Woche"))
            weekButton = button;
    }
    ASSERT_TRUE(weekButton);
    QString shownWeek;
    QStringList marked;
    m_ui.addDate(QDate(2003, 1, 31));
    QTimer::singleShot(100, [&] {
        auto* window = qobject_cast<TWeekRForm*>(QApplication::activeModalWidget());
        if (!window)
            return;
        shownWeek = window->weekShown();
        QTableWidget* sums = window->partWeeksTab()->sumsGrid();
        emit sums->cellDoubleClicked(0, 0);
        emit sums->cellDoubleClicked(1, 0);
        marked << QString::number(window->partWeeksTab()->partyGrid()->rowCount());
        emit window->findChild<SpinEdit*>(QStringLiteral("VORFUEHR_1Spin"))->spun(true);
        window->fields().edit(QStringLiteral("Bemerkung"))->setText(QStringLiteral("Abholung vormittags"));
        window->fields().edit(QStringLiteral("FKM2"))->setText(QStringLiteral("18"));
        window->findChild<QPushButton*>(QStringLiteral("FDATUM2Button"))->click();
        window->findChild<QToolButton*>(QStringLiteral("Verlassen"))->click();
    });
    weekButton->click();
    EXPECT_EQ(shownWeek, QStringLiteral("2003/05"));
    EXPECT_EQ(marked, QStringList{QStringLiteral("2")});
    auto db = m_temp.openDb();
    const auto value = [&](const char* field) {
        return db->scalar(
            QStringLiteral("SELECT %1 FROM MWoche WHERE MWoche = '200305'").arg(QLatin1String(field)));
    };
    EXPECT_EQ(value("VORFUEHR_1").toInt(), 1);
    EXPECT_EQ(value("Bemerkung").toString(), QStringLiteral("Abholung vormittags"));
    EXPECT_EQ(value("FKM2").toInt(), 18);
    EXPECT_EQ(value("FDATUM2").toString(), QStringLiteral("2003-01-31"));
}
