#include "core/Startup.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

struct StartRun
{
    ScriptedUi ui;
    QList<QPair<QString, int>> steps;
    std::unique_ptr<Startup> startup;
    Startup::Outcome outcome = Startup::Outcome::Ended;

    bool stepped(const QString& text) const
    {
        return std::any_of(steps.begin(), steps.end(), [&](const auto& s) { return s.first == text; });
    }
};

std::unique_ptr<StartRun> start(const DataHome& home,
                                Startup::Printers printers = Startup::Printers::Installed, int width = 1280,
                                QDate today = QDate(2024, 3, 14))
{
    auto run = std::make_unique<StartRun>();
    Startup::Environment env;
    env.step = [r = run.get()](const QString& text, int progress) { r->steps.append({text, progress}); };
    env.screenWidth = [width] { return width; };
    env.printers = [printers] { return printers; };
    env.today = today;
    run->startup = std::make_unique<Startup>(home, run->ui, env);
    run->outcome = run->startup->run();
    return run;
}

Options optionsOf(const DataHome& home)
{
    Options options(home.optionsFile());
    options.LoadOptions();
    return options;
}

void setOptions(const DataHome& home, const QList<QPair<QString, QString>>& values)
{
    Options options = optionsOf(home);
    for (const auto& [key, value] : values)
        options.setText(key, value);
    options.SaveOptions();
}

using Step = QPair<QString, int>;

} // namespace

TEST(Startup, FirstStartCreatesTablesAndEndsTheFirstStartOnce)
{
    test::TempHome temp;
    const DataHome& home = temp.home();
    ASSERT_TRUE(QFileInfo::exists(home.firstTimeFile()));
    setOptions(home, {{"Geburtstage", "0"}, {"Info", "0"}, {"GGAdress", "0"}});

    auto first = start(home);
    ASSERT_EQ(first->outcome, Startup::Outcome::Ready) << first->ui.shownTexts().join('|').toStdString();
    EXPECT_TRUE(first->startup->firstStart());
    const QList<Step> expected{{"Hauptformular", 4},
                               {"Optionen", 6},
                               {"Datenbanken werden erstellt.", 10},
                               {"Datenbanken", 15},
                               {"Kundeverwaltung", 40}};
    EXPECT_EQ(first->steps, expected);
    EXPECT_TRUE(optionsOf(home).checked("Geburtstage"));
    EXPECT_TRUE(optionsOf(home).checked("GGAdress"));
    EXPECT_TRUE(QFileInfo::exists(home.firstTimeFile())) << "the marker goes only when the main window shows";

    first->startup->prepareMainWindow();
    const Options after = optionsOf(home);
    EXPECT_TRUE(after.checked("Info"));
    EXPECT_FALSE(after.checked("FirstTime"));
    EXPECT_FALSE(QFileInfo::exists(home.firstTimeFile()));
    first.reset();

    setOptions(home, {{"Geburtstage", "0"}, {"GGAdress", "0"}});
    auto second = start(home);
    ASSERT_EQ(second->outcome, Startup::Outcome::Ready);
    EXPECT_FALSE(second->startup->firstStart());
    EXPECT_FALSE(second->stepped("Datenbanken werden erstellt."));
    second->startup->prepareMainWindow();
    const Options again = optionsOf(home);
    EXPECT_FALSE(again.checked("Geburtstage")) << "only the first start sets it";
    EXPECT_TRUE(again.checked("GGAdress")) << "set again at every start";
    EXPECT_FALSE(again.checked("FirstTime"));
}

TEST(Startup, NewDataHomeIsLaidOutAndStartsForTheFirstTime)
{
    QTemporaryDir dir;
    const DataHome home(dir.path() + "/noch/nicht/da");
    auto run = start(home);
    ASSERT_EQ(run->outcome, Startup::Outcome::Ready) << run->ui.shownTexts().join('|').toStdString();
    EXPECT_TRUE(run->startup->firstStart());
    EXPECT_TRUE(run->stepped("Datenbanken werden erstellt."));
    for (const TableDef& def : Schema::createdTables())
        EXPECT_TRUE(run->startup->dataSet().db().tableExists(def.name)) << def.name.toStdString();
    EXPECT_EQ(run->startup->dataSet().db().scalar("SELECT count(*) FROM Kunden").toInt(), 3);
    run->startup->prepareMainWindow();
    EXPECT_FALSE(QFileInfo::exists(home.firstTimeFile()));
    EXPECT_TRUE(optionsOf(home).checked("Info"));
}

TEST(Startup, EnvironmentChecks)
{
    struct Case
    {
        Startup::Printers printers;
        int width;
        Startup::Outcome outcome;
        QStringList shown;
    };
    const std::vector<Case> cases{
        {Startup::Printers::Installed, 1024, Startup::Outcome::Ready, {}},
        {Startup::Printers::Installed, 640, Startup::Outcome::Ready, {Startup::kNarrowScreen}},
        {Startup::Printers::NoneInstalled, 800, Startup::Outcome::Ready, {Startup::kNoPrinter}},
        {Startup::Printers::ListUnreadable, 1024, Startup::Outcome::Ended, {Startup::kNoPrinterList}},
    };
    for (const Case& c : cases) {
        test::TempHome temp;
        auto run = start(temp.home(), c.printers, c.width);
        EXPECT_EQ(run->outcome, c.outcome);
        EXPECT_EQ(run->ui.shownTexts(), c.shown);
        if (c.outcome == Startup::Outcome::Ended) {
            EXPECT_FALSE(run->stepped("Optionen")) << "nothing after the printer check";
        }
    }
}

TEST(Startup, MissingTablesAreRepairedAndTheProgramEnds)
{
    for (const QString table : {"Tuppkopf", "VA"}) {
        test::TempHome temp;
        start(temp.home())->startup->prepareMainWindow();
        temp.openDb()->run("DROP TABLE " + table);

        auto broken = start(temp.home());
        EXPECT_EQ(broken->outcome, Startup::Outcome::Ended) << table.toStdString();
        EXPECT_TRUE(broken->ui.wasShown(Startup::kDatabaseFailure));
        EXPECT_FALSE(broken->stepped("Kundeverwaltung"));
        broken.reset();

        auto again = start(temp.home());
        EXPECT_EQ(again->outcome, Startup::Outcome::Ready) << table.toStdString();
        EXPECT_TRUE(again->ui.shownTexts().isEmpty());
    }
}

TEST(Startup, DamagedDatabaseFileEndsWithAMessageAndStaysUntouched)
{
    test::TempHome temp;
    const QByteArray garbage(4096, 'x');
    {
        QFile file(temp.home().databaseFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
    }
    auto run = start(temp.home());
    EXPECT_EQ(run->outcome, Startup::Outcome::Ended);
    ASSERT_EQ(run->ui.shown().size(), 1);
    EXPECT_EQ(run->ui.shown().front().kind, "Fehler");
    EXPECT_TRUE(run->ui.shown().front().text.contains("beschädigt"));
    QFile file(temp.home().databaseFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST(Startup, WeeklyMaintenanceStepsFollowTheDataModules)
{
    test::TempHome temp;
    start(temp.home())->startup->prepareMainWindow();
    setOptions(temp.home(), {{"Datum", "01.03.2024"}});
    auto run = start(temp.home(), Startup::Printers::Installed, 1280, QDate(2024, 3, 14));
    ASSERT_EQ(run->outcome, Startup::Outcome::Ready);
    const QList<Step> expected{{"Hauptformular", 4},
                               {"Optionen", 6},
                               {"Datenbanken", 15},
                               {"Automatische wöchentliche Datenbanksicherung", 30},
                               {"Datenbankenindex wird erstellt.", 10},
                               {"Kundeverwaltung", 40}};
    EXPECT_EQ(run->steps, expected);
    EXPECT_EQ(optionsOf(temp.home()).text("Datum"), "14.03.2024");
}

TEST(Startup, CaptionFromVersionRecordAndConsultant)
{
    struct Case
    {
        QString customerNumber;
        QString consultantNumber;
        QString expected;
    };
    const std::vector<Case> cases{
        {"100001", "4711", "Vorlix-Soft - Korbelant2006 (6.4a) - Vorname Name (4711)"},
        {"999999", "4711", "Vorlix-Soft - Korbelant2006 (6.4a) - Korbelant"},
        {"", "", "Vorlix-Soft - Korbelant2006 (6.4a) - Korbelant"},
    };
    for (const Case& c : cases) {
        test::TempHome temp;
        {
            auto db = temp.openDb();
            db->run("DELETE FROM MainVersion");
            db->insert(Schema::get("MainVersion"),
                       {{"VERISON", "2.0"}, {"Aplication", "Korbelant"}, {"Year", "2006"}});
        }
        setOptions(temp.home(), {{"K_NR", c.customerNumber}, {"BNR", c.consultantNumber}});
        auto run = start(temp.home());
        ASSERT_EQ(run->outcome, Startup::Outcome::Ready);
        EXPECT_EQ(run->startup->state().applicationTitle(), " (6.4a)");
        run->startup->prepareMainWindow();
        EXPECT_EQ(run->startup->state().caption(), c.expected) << c.customerNumber.toStdString();
        const QString info =
            run->startup->state().infoText(run->startup->dataSet().db(), run->startup->dataSet().options());
        EXPECT_TRUE(info.startsWith("Version KLV 6.4a\nBeraterin-Nr. : " + c.consultantNumber))
            << info.toStdString();
        EXPECT_EQ(info.endsWith("Vorname Name"), c.customerNumber == "100001") << info.toStdString();
    }
}

TEST(Startup, StarPlanValuesGoIntoTheOptions)
{
    test::TempHome temp;
    {
        auto db = temp.openDb();
        db->run("DELETE FROM SternePlan");
        db->insert(Schema::get("SternePlan"), {{"SterneBetragMin", 0},
                                               {"SterneBetragMax", 100},
                                               {"Sterne", 1},
                                               {"Verabredung1", 2},
                                               {"Verabredung2", 4},
                                               {"SchrittBetrag", 250.5},
                                               {"SchrittSterne", 3}});
    }
    auto run = start(temp.home());
    ASSERT_EQ(run->outcome, Startup::Outcome::Ready);
    EXPECT_DOUBLE_EQ(run->startup->starIntervalAmount(), 250.5);
    EXPECT_EQ(run->startup->starIntervalStars(), 3);
    const Options& options = run->startup->dataSet().options();
    EXPECT_EQ(options.text("OneVerabred"), "2");
    EXPECT_EQ(options.text("TwoVerabred"), "4");
}
