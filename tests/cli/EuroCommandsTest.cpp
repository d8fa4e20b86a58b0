#include "core/Schema.h"
#include "euro/EuroConversion.h"
#include "support/PartyBuilder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// A data home in D-Mark with one party of 100 DM on 01.12.2001.
class EuroCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = m_home.openDb();
        PartyBuilder(QStringLiteral("0000001"))
            .with(QStringLiteral("DATUM"), QDate(2001, 12, 1))
            .with(QStringLiteral("S_UMSATZ"), 100.0)
            .insertInto(*db);
        QFile status(m_home.home().statusFile());
        ASSERT_TRUE(status.open(QIODevice::WriteOnly));
        status.write("DEM\r\n");
    }

    CliRun run(const QString& answers, const QStringList& args)
    {
        QStringList all{QStringLiteral("--home"), m_home.root()};
        if (!answers.isEmpty())
            all << QStringLiteral("--answers") << answers;
        return runCli(all << QStringLiteral("euro") << args);
    }

    double turnover()
    {
        return m_home.openDb()->scalar(QStringLiteral("SELECT S_UMSATZ FROM Tuppkopf")).toDouble();
    }

    TempHome m_home;
};

} // namespace

TEST_F(EuroCommandsTest, ConvertsWithTheTypedConfirmationAndShowsTheState)
{
    const CliRun convert = run(QStringLiteral("EURO"), {QStringLiteral("convert")});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    EXPECT_TRUE(convert.err.contains(
        "Fortschritt: 15 % Daten sichern. Datenbanken werden in Sicherungsverzeichniss kopiert\n"
        "Fortschritt: 30 % Ausgaben. Die Ausgaben Datei wird umgerechnet.\n"))
        << convert.err.toStdString();
    EXPECT_TRUE(convert.err.contains("Fortschritt: 98 % Sterneplan. Die Sterneplan-Datei wird umgerechnet."));
    EXPECT_TRUE(convert.err.endsWith("Information: " + EuroConversion::kConverted + "\n"));
    EXPECT_EQ(turnover(), 51.12918811016);

    const CliRun status = run(QString(), {QStringLiteral("status")});
    ASSERT_EQ(status.exitCode, 0) << status.err.toStdString();
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(status.out, "Aktuelle Währung : Euro\nEURO\r\n" + today + "\r\n01.01.2002\r\n0\r\n\r\n");

    // A second run finds the backup and asks first.
    const CliRun again = run(QStringLiteral("nein"), {QStringLiteral("convert")});
    EXPECT_EQ(again.exitCode, 3);
    EXPECT_TRUE(again.err.contains("Frage: " + EuroConversion::kBackupExists));
}

TEST_F(EuroCommandsTest, NothingChangesWithoutConfirmationOrWithAWrongCall)
{
    struct Case
    {
        const char* answers;
        QStringList args;
        int exitCode;
        QString shown;
    };
    const std::vector<Case> cases{
        {"", {"convert"}, 3, "Eingabe: Schriftliche Bestätigung :"},
        {"ECU", {"convert"}, 3, "Information: " + EuroConversion::kConfirmPlease},
        {"EURO,abbrechen",
         {"convert", "--bis", "01.01.2002"},
         3,
         "Frage: " + EuroConversion::upToDateQuestion("01.01.2002")},
        {"EURO", {"convert", "--bis", "32.01.2002"}, 2, QString()},
        {"EURO", {"convert", "--bis"}, 2, QString()},
        {"EURO", {"convert", "sofort"}, 2, QString()},
        {"EURO", {"umstellen"}, 2, QString()},
        {"vielleicht", {"convert"}, 2, QString()},
    };
    for (const Case& c : cases) {
        const CliRun result = run(QString::fromLatin1(c.answers), c.args);
        const std::string name = c.args.join(' ').toStdString() + " / " + c.answers;
        EXPECT_EQ(result.exitCode, c.exitCode) << name << '\n' << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.shown)) << name;
        EXPECT_EQ(turnover(), 100.0) << name;
    }
    const CliRun status = run(QString(), {QStringLiteral("status")});
    EXPECT_EQ(status.out, QStringLiteral("Aktuelle Währung : D-Mark\nDEM\r\n"));
}

TEST_F(EuroCommandsTest, UpToADateWithoutArticles)
{
    auto db = m_home.openDb();
    db->insert(Schema::get(QStringLiteral("Lager")),
               {{QStringLiteral("L_NR"), QStringLiteral("12345678")}, {QStringLiteral("PREIS"), 9.99}});
    PartyBuilder(QStringLiteral("0000002"))
        .with(QStringLiteral("DATUM"), QDate(2002, 2, 1))
        .with(QStringLiteral("S_UMSATZ"), 100.0)
        .insertInto(*db);
    db.reset();
    const CliRun convert =
        run(QStringLiteral("EURO,ok"), {QStringLiteral("convert"), QStringLiteral("--bis"),
                                        QStringLiteral("31.01.2002"), QStringLiteral("--ohne-artikel")});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    db = m_home.openDb();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT S_UMSATZ FROM Tuppkopf WHERE R_NR = '0000001'")).toDouble(),
              51.12918811016);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT S_UMSATZ FROM Tuppkopf WHERE R_NR = '0000002'")).toDouble(),
              100.0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT PREIS FROM Lager")).toDouble(), 9.99);
}

} // namespace korbelant::test
