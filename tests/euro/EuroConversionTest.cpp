#include "euro/EuroConversion.h"

#include "core/CurrencyRecord.h"
#include "core/CurrencyState.h"
#include "core/KeptBackups.h"
#include "core/Schema.h"
#include "euro/EuroAmount.h"
#include "euro/EuroBackup.h"
#include "euro/EuroPlan.h"
#include "support/DataSetFixture.h"
#include "support/FileBytes.h"
#include "support/PartyBuilder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

using Outcome = EuroConversion::Outcome;
const QDate kToday(2026, 12, 10);

QVariantMap line(const QString& rNr, double sum)
{
    return {{QStringLiteral("R_NR"), rNr},        {QStringLiteral("P_NR"), QStringLiteral("01")},
            {QStringLiteral("L_NR"), "12345678"}, {QStringLiteral("VA"), QStringLiteral("10")},
            {QStringLiteral("MWoche"), "200150"}, {QStringLiteral("TWoche"), QStringLiteral("A")},
            {QStringLiteral("EINZ_PREIS"), 9.99}, {QStringLiteral("EINZ_KOST"), 5.0},
            {QStringLiteral("KOSTEN"), 5.0},      {QStringLiteral("SUMME"), sum},
            {QStringLiteral("STERNE_DM"), sum},   {QStringLiteral("UM_STERNE"), sum}};
}

} // namespace

// A small data set in D-Mark: a party before the turn of the year, one after it and one without
// a date, each with a participant and an order line; expenses before and after; two weeks; one
// article; the installed star plan.
class EuroConversionTest : public DataSetFixture
{
protected:
    void SetUp() override
    {
        party("0000001", QDate(2001, 12, 1));
        party("0000002", QDate(2002, 3, 1));
        party("0000003", QVariant());
        db().insert(Schema::get(QStringLiteral("Ausgaben")),
                    {{QStringLiteral("AUSDATUM"), QDate(2001, 6, 1)}, {QStringLiteral("BETRAG"), 100.0}});
        db().insert(Schema::get(QStringLiteral("Ausgaben")),
                    {{QStringLiteral("AUSDATUM"), QDate(2002, 6, 1)}, {QStringLiteral("BETRAG"), 100.0}});
        for (const char* week : {"200148", "200210"})
            db().insert(Schema::get(QStringLiteral("MWoche")),
                        {{QStringLiteral("MWoche"), week}, {QStringLiteral("Start_VF"), 100.0}});
        db().insert(Schema::get(QStringLiteral("Lager")), {{QStringLiteral("L_NR"), "12345678"},
                                                           {QStringLiteral("PREIS"), 9.99},
                                                           {QStringLiteral("MUSTER"), 5.0},
                                                           {QStringLiteral("VA38"), 1.0}});
        writeStatus("DEM\r\n");
    }

    void party(const QString& rNr, const QVariant& date)
    {
        PartyBuilder(rNr)
            .with(QStringLiteral("DATUM"), date)
            .with(QStringLiteral("S_UMSATZ"), 100.0)
            .insertInto(db());
        db().insert(Schema::get(QStringLiteral("Tupper")), {{QStringLiteral("R_NR"), rNr},
                                                            {QStringLiteral("P_NR"), QStringLiteral("01")},
                                                            {QStringLiteral("MWoche"), "200150"},
                                                            {QStringLiteral("TWoche"), QStringLiteral("A")},
                                                            {QStringLiteral("UMSATZ"), 100.0}});
        db().insert(Schema::get(QStringLiteral("Tupper1")), line(rNr, 100.0));
    }

    void writeStatus(const QByteArray& text)
    {
        QFile file(m_home.home().statusFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray status() const
    {
        QFile file(m_home.home().statusFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine Datei)");
    }

    double value(const QString& sql) { return db().scalar(sql).toDouble(); }

    Outcome convert(const EuroRequest& request, bool confirmed = true)
    {
        return EuroConversion(*m_set, ui(), kToday).run(request, [confirmed](const EuroRequest&) {
            return confirmed;
        });
    }

    static EuroRequest upToDate(const QString& date, bool articles = false)
    {
        EuroRequest request;
        request.allData = false;
        request.dateText = date;
        request.articles = articles;
        return request;
    }

    // Every converted field of every table, in record order.
    std::vector<QVariantList> amounts()
    {
        EuroRequest all;
        std::vector<QVariantList> rows;
        for (const EuroTableStep& step : EuroPlan::steps(all)) {
            const auto table = db().rows(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid")
                                             .arg(step.fields.join(QLatin1Char(',')), step.table));
            rows.insert(rows.end(), table.begin(), table.end());
        }
        return rows;
    }

    QStringList progress() const
    {
        QStringList steps;
        for (const ScriptedUi::Shown& shown : m_ui.shown())
            if (shown.kind == QStringLiteral("Fortschritt"))
                steps << shown.text;
        return steps;
    }
};

TEST_F(EuroConversionTest, UpToADateKeepsLaterPartiesInDMarkAndConvertsEveryWeek)
{
    const double stepBefore = value("SELECT SchrittBetrag FROM SternePlan ORDER BY rowid LIMIT 1");
    ui().addAnswer(UiPort::Answer::Ok);
    ASSERT_EQ(convert(upToDate(QStringLiteral("01.01.2002"))), Outcome::Converted);
    EXPECT_EQ(ui().shown().first().text, EuroConversion::upToDateQuestion(QStringLiteral("01.01.2002")));

    const double converted = EuroAmount::convert(100.0, 7);
    EXPECT_DOUBLE_EQ(converted, 51.12918811016);
    for (const char* party : {"0000001", "0000003"}) {
        const QString r = QString::fromLatin1(party);
        EXPECT_EQ(value("SELECT SUMME FROM Tupper1 WHERE R_NR = '" + r + "'"), converted) << party;
        EXPECT_EQ(value("SELECT EINZ_PREIS FROM Tupper1 WHERE R_NR = '" + r + "'"),
                  EuroAmount::convert(9.99, 7));
        EXPECT_EQ(value("SELECT UMSATZ FROM Tupper WHERE R_NR = '" + r + "'"), converted) << party;
        EXPECT_EQ(value("SELECT S_UMSATZ FROM Tuppkopf WHERE R_NR = '" + r + "'"), converted) << party;
        // An empty amount counts as 0 and gets the marker as well.
        EXPECT_EQ(value("SELECT AUSGABE FROM Tupper WHERE R_NR = '" + r + "'"), 0.00000001016) << party;
    }
    // The party after the date keeps its D-Mark values, the weeks are converted all the same.
    EXPECT_EQ(value("SELECT SUMME FROM Tupper1 WHERE R_NR = '0000002'"), 100.0);
    EXPECT_EQ(value("SELECT EINZ_PREIS FROM Tupper1 WHERE R_NR = '0000002'"), 9.99);
    EXPECT_EQ(value("SELECT UMSATZ FROM Tupper WHERE R_NR = '0000002'"), 100.0);
    EXPECT_EQ(value("SELECT S_UMSATZ FROM Tuppkopf WHERE R_NR = '0000002'"), 100.0);
    EXPECT_EQ(db().scalar("SELECT count(*) FROM MWoche WHERE Start_VF = ?", {converted}).toInt(), 2);
    EXPECT_EQ(value("SELECT BETRAG FROM Ausgaben WHERE AUSDATUM = '2001-06-01'"), converted);
    EXPECT_EQ(value("SELECT BETRAG FROM Ausgaben WHERE AUSDATUM = '2002-06-01'"), 100.0);
    // Neither the articles (not asked for) nor the star plan (only with every amount).
    EXPECT_EQ(value("SELECT PREIS FROM Lager"), 9.99);
    EXPECT_EQ(value("SELECT SchrittBetrag FROM SternePlan ORDER BY rowid LIMIT 1"), stepBefore);

    EXPECT_EQ(progress(),
              (QStringList{"15 % Daten sichern. Datenbanken werden in Sicherungsverzeichniss kopiert",
                           "30 % Ausgaben. Die Ausgaben Datei wird umgerechnet.",
                           "43 % Gästedaten. Die Gäste-Datei wird umgerechnet.",
                           "59 % Bestelldaten. Die Bestell-Datei wird umgerechnet.",
                           "74 % Vorführungsdaten. Die Vorführungkopf-Datei wird umgerechnet.",
                           "90 % Wochendaten. Die Wochen-Datei wird umgerechnet.",
                           "100 % Abgeschloßen. Ende ohne Fehler erreicht."}));
    EXPECT_EQ(status(), QByteArray("EURO\r\n10.12.2026\r\n01.01.2002\r\n1\r\n\r\n"));
    EXPECT_EQ(ui().shownTexts().last(), EuroConversion::kConverted);
}

TEST_F(EuroConversionTest, EveryAmountWithArticlesAndStarPlanThenEuroIsRecorded)
{
    const double stepBefore = value("SELECT SchrittBetrag FROM SternePlan ORDER BY rowid LIMIT 1");
    EuroRequest all;
    ASSERT_EQ(convert(all), Outcome::Converted);
    EXPECT_EQ(value("SELECT PREIS FROM Lager"), 5.1100000001016);
    EXPECT_EQ(value("SELECT MUSTER FROM Lager"), EuroAmount::convert(5.0, 2));
    EXPECT_EQ(value("SELECT SUMME FROM Tupper1 WHERE R_NR = '0000002'"), EuroAmount::convert(100.0, 7));
    EXPECT_EQ(value("SELECT BETRAG FROM Ausgaben WHERE AUSDATUM = '2002-06-01'"), 51.12918811016);
    EXPECT_EQ(value("SELECT SchrittBetrag FROM SternePlan ORDER BY rowid LIMIT 1"),
              EuroAmount::convert(stepBefore, 7));
    EXPECT_TRUE(progress().contains("98 % Sterneplan. Die Sterneplan-Datei wird umgerechnet."));
    EXPECT_FALSE(ui().shownTexts().contains(EuroConversion::upToDateQuestion(EuroRequest::kPresetDate)));

    const QByteArray expected("EURO\r\n10.12.2026\r\n01.01.2002\r\n0\r\n\r\n");
    EXPECT_EQ(status(), expected);
    EXPECT_EQ(CurrencyRecord::latest(db()), QString::fromLatin1(expected));
    Options saved(m_home.home().optionsFile());
    saved.LoadOptions();
    EXPECT_TRUE(saved.checked(QStringLiteral("Euro")));
    // The copy in D-Mark is there, with the status file as it was.
    const QString backup = EuroBackup::directory(m_home.home());
    EXPECT_TRUE(QFile::exists(backup + "/korbelant.sqlite"));
    QFile oldStatus(backup + "/Status.txt");
    ASSERT_TRUE(oldStatus.open(QIODevice::ReadOnly));
    EXPECT_EQ(oldStatus.readAll(), QByteArray("DEM\r\n"));
    // Beside it the checked backup of the day, in D-Mark as well.
    const auto kept = KeptBackups(m_home.home()).ofDay(kToday);
    ASSERT_TRUE(kept);
    auto copy = Database::open(kept->databaseFile, Database::Mode::OpenExisting);
    EXPECT_EQ(copy->scalar("SELECT PREIS FROM Lager").toDouble(), 9.99);
    EXPECT_EQ(fileBytes(QDir(kept->textDirectory).filePath("Status.txt")), QByteArray("DEM\r\n"));
}

TEST_F(EuroConversionTest, EveryWayOfStoppingBeforeTheBackupChangesNothing)
{
    struct Case
    {
        const char* name;
        bool backupThere;
        QList<UiPort::Answer> answers;
        bool confirmed;
        EuroRequest request;
        Outcome outcome;
        QString lastShown;
    };
    const std::vector<Case> cases{
        {"backup there, no",
         true,
         {UiPort::Answer::No},
         true,
         EuroRequest{},
         Outcome::Cancelled,
         EuroConversion::kBackupExists},
        {"not confirmed", false, {}, false, EuroRequest{}, Outcome::Cancelled, QString()},
        {"no date", false, {}, true, upToDate("31.02.2002"), Outcome::Refused, EuroConversion::kInvalidDate},
        {"date not confirmed",
         false,
         {UiPort::Answer::Cancel},
         true,
         upToDate("01.01.2002"),
         Outcome::Cancelled,
         EuroConversion::upToDateQuestion("01.01.2002")},
    };
    const auto before = amounts();
    for (const Case& c : cases) {
        QDir(EuroBackup::directory(m_home.home())).removeRecursively();
        if (c.backupThere)
            EuroBackup(db(), m_home.home()).make();
        m_ui = ScriptedUi(c.answers);
        EXPECT_EQ(convert(c.request, c.confirmed), c.outcome) << c.name;
        EXPECT_EQ(m_ui.shownTexts().value(m_ui.shownTexts().size() - 1), c.lastShown) << c.name;
        EXPECT_EQ(QFile::exists(EuroBackup::directory(m_home.home()) + "/korbelant.sqlite"), c.backupThere)
            << c.name;
        EXPECT_EQ(amounts(), before) << c.name;
        EXPECT_EQ(status(), QByteArray("DEM\r\n")) << c.name;
    }
    // With a backup there, Yes converts once more.
    m_ui = ScriptedUi({UiPort::Answer::Yes});
    EXPECT_EQ(convert(EuroRequest{}), Outcome::Converted);
}

// A table that refuses its changes (here a trigger of the test) rolls back every table, shows its
// message and the restore, and leaves the data set, the options and Status.txt as they were.
TEST_F(EuroConversionTest, AFailureInAnyTableLeavesTheDataSetAsItWas)
{
    const auto before = amounts();
    for (const EuroTableStep& step : EuroPlan::steps(EuroRequest{})) {
        db().execScript(QStringLiteral("CREATE TRIGGER Sperre BEFORE UPDATE ON \"%1\" BEGIN "
                                       "SELECT RAISE(ABORT, 'gesperrt'); END")
                            .arg(step.table));
        m_ui = ScriptedUi({UiPort::Answer::Yes});
        EXPECT_EQ(convert(EuroRequest{}), Outcome::Restored) << qPrintable(step.table);
        const QStringList shown = m_ui.shownTexts();
        ASSERT_GE(shown.size(), 2);
        EXPECT_EQ(m_ui.shown().at(shown.size() - 2).kind, QStringLiteral("Fehler"));
        EXPECT_EQ(shown.at(shown.size() - 2), step.failure) << qPrintable(step.table);
        EXPECT_EQ(shown.last(), EuroConversion::kRestored) << qPrintable(step.table);
        EXPECT_EQ(amounts(), before) << qPrintable(step.table);
        EXPECT_EQ(status(), QByteArray("DEM\r\n")) << qPrintable(step.table);
        EXPECT_FALSE(CurrencyRecord::latest(db())) << qPrintable(step.table);
        Options saved(m_home.home().optionsFile());
        saved.LoadOptions();
        EXPECT_FALSE(saved.checked(QStringLiteral("Euro"))) << qPrintable(step.table);
        db().execScript(QStringLiteral("DROP TRIGGER IF EXISTS Sperre"));
    }
    EXPECT_EQ(
        EuroPlan::failureText("Tupper1datei"),
        "Die Tupper1datei kann nicht umgerechnet werden, schliessen sie alle anderen Anwendungen. Die Daten "
        "wurden wieder hergestellt, versuchen Sie es später wieder.");
}

// What the next start makes of the currency: the conversion recorded in the data set wins over a
// status file and an option left behind by a program killed after the commit.
TEST_F(EuroConversionTest, NextStartAgreesWithTheDataSet)
{
    struct Case
    {
        const char* name;
        bool converted;
        QByteArray statusFile; // empty: none
        bool optionEuro;
        QList<UiPort::Answer> answers;
        CurrencyState::Currency currency;
        bool asked;
    };
    using C = CurrencyState::Currency;
    const std::vector<Case> cases{
        {"not converted", false, "DEM\r\n", false, {}, C::DMark, false},
        {"Euro set, no status file, yes", false, "", true, {UiPort::Answer::Yes}, C::Euro, true},
        {"Euro set, no status file, no", false, "", true, {UiPort::Answer::No}, C::DMark, true},
        {"killed before Status.txt", true, "DEM\r\n", false, {}, C::Euro, false},
        {"killed, no Status.txt", true, "", false, {}, C::Euro, false},
    };
    for (const Case& c : cases) {
        if (c.converted && !CurrencyRecord::latest(db())) {
            ASSERT_EQ(convert(EuroRequest{}), Outcome::Converted);
        }
        QFile::remove(m_home.home().statusFile());
        if (!c.statusFile.isEmpty())
            writeStatus(c.statusFile);
        options().setChecked(QStringLiteral("Euro"), c.optionEuro);
        options().SaveOptions();
        m_ui = ScriptedUi(c.answers);
        CurrencyRecord::restoreStatusFile(db(), m_home.home());
        EXPECT_EQ(CurrencyState::determine(m_home.home(), options(), m_ui, false, kToday), c.currency)
            << c.name;
        EXPECT_EQ(m_ui.wasShown(CurrencyState::kQuestion), c.asked) << c.name;
        EXPECT_EQ(options().checked(QStringLiteral("Euro")), c.currency == C::Euro) << c.name;
        EXPECT_EQ(CurrencyState::recorded(m_home.home()), c.currency) << c.name;
    }
}

} // namespace korbelant::test
