#include "core/Schema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The FIELD=VALUE lines of a command's output.
QMap<QString, QString> fields(const QString& out)
{
    QMap<QString, QString> map;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            map.insert(line.left(eq), line.mid(eq + 1));
    }
    return map;
}

} // namespace

class PartyCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = home.openDb();
        db->insert(Schema::get(QStringLiteral("Kunden")),
                   {{QStringLiteral("K_NR"), QStringLiteral("100005")},
                    {QStringLiteral("NAME"), QStringLiteral("Müller")},
                    {QStringLiteral("VORNAME"), QStringLiteral("Anna")},
                    {QStringLiteral("KM_ENTF"), 8}});
        for (const auto& [lNr, price, stock] : {std::tuple{"T10", 20.0, 0}, std::tuple{"S1", 12.0, 1}})
            db->insert(Schema::get(QStringLiteral("Lager")),
                       {{QStringLiteral("L_NR"), QString::fromLatin1(lNr)},
                        {QStringLiteral("VA"), QStringLiteral("10")},
                        {QStringLiteral("L_TEXT"), QStringLiteral("Frischhaltedose")},
                        {QStringLiteral("PREIS"), price},
                        {QStringLiteral("STERNE"), 3},
                        {QStringLiteral("BESTAND"), stock}});
    }
    CliRun party(const QStringList& args, const QString& answers = {})
    {
        QStringList all{QStringLiteral("--home"), home.root()};
        if (!answers.isEmpty())
            all << QStringLiteral("--answers") << answers;
        return runCli(all << QStringLiteral("party") << args);
    }
    QMap<QString, QString> show() { return fields(party({QStringLiteral("show"), rNr}).out); }

    TempHome home;
    const QString rNr = QStringLiteral("040324A");
};

TEST_F(PartyCommands, FullPartyWithGuestsLinesAndTotals)
{
    CliRun r = party(
        {QStringLiteral("new"), QStringLiteral("04.03.2024"), QStringLiteral("A"), QStringLiteral("100005")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    auto created = fields(r.out);
    EXPECT_EQ(created.value(QStringLiteral("R_NR")), rNr);
    EXPECT_EQ(created.value(QStringLiteral("MWoche")), QStringLiteral("202410"));
    EXPECT_EQ(created.value(QStringLiteral("TWoche")), QStringLiteral("1"));
    EXPECT_EQ(created.value(QStringLiteral("BZH_VF_NR")), QStringLiteral("63710"));

    EXPECT_EQ(fields(party({QStringLiteral("guest"), rNr, QStringLiteral("100001")}).out)
                  .value(QStringLiteral("P_NR")),
              QStringLiteral("02"));
    EXPECT_EQ(fields(party({QStringLiteral("guest"), rNr, QStringLiteral("099999")}).out)
                  .value(QStringLiteral("P_NR")),
              QStringLiteral("03"));
    r = party({QStringLiteral("guest-set"), rNr, QStringLiteral("02"), QStringLiteral("Verabredung=ja"),
               QStringLiteral("Verabred_DATUM=20.03.2024"), QStringLiteral("Verabred_ZEIT=19:30"),
               QStringLiteral("BENENNUNG=ja")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = party({QStringLiteral("line"), rNr, QStringLiteral("02"), QStringLiteral("T10"), QStringLiteral("10"),
               QStringLiteral("2")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(fields(r.out).contains(QStringLiteral("ID")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Information: Sie haben noch kein VAG eingegeben.")));
    EXPECT_EQ(party({QStringLiteral("line"), rNr, QStringLiteral("02"), QStringLiteral("T10"),
                     QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("VORAB=V")})
                  .exitCode,
              0);
    r = party({QStringLiteral("line"), rNr, QStringLiteral("01"), QStringLiteral("T10"), QStringLiteral("33"),
               QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.err.contains(QStringLiteral("VAG")));
    EXPECT_EQ(
        party({QStringLiteral("line"), rNr, QStringLiteral("03"), QStringLiteral("-"), QStringLiteral("95"),
               QStringLiteral("1"), QStringLiteral("L_TEXT=Bitte vorher anrufen")})
            .exitCode,
        0);
    r = party({QStringLiteral("line"), rNr, QStringLiteral("03"), QStringLiteral("S1"), QStringLiteral("10"),
               QStringLiteral("1")},
              QStringLiteral("ja"));
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("Frage: Der Artikel S1 ist im Lager vorhanden, soll er von dort entnommen werden?")));
    EXPECT_EQ(home.openDb()->scalar(QStringLiteral("SELECT BESTAND FROM Lager WHERE L_NR = 'S1'")).toInt(),
              0);

    auto h = show();
    EXPECT_EQ(h.value(QStringLiteral("S_UMSATZ")), QStringLiteral("82,00"));
    EXPECT_EQ(h.value(QStringLiteral("S_AUSGABE")), QStringLiteral("61,50"));
    EXPECT_EQ(h.value(QStringLiteral("S_PROV")), QStringLiteral("20,50"));
    EXPECT_EQ(h.value(QStringLiteral("VKG_UMSATZ")), QStringLiteral("72,00"));
    EXPECT_EQ(h.value(QStringLiteral("WB_UMSATZ")), QStringLiteral("60,00"));
    EXPECT_EQ(h.value(QStringLiteral("UM_STERNE")), QStringLiteral("52,00"));
    EXPECT_EQ(h.value(QStringLiteral("STERNE")), QStringLiteral("0"));
    EXPECT_EQ(h.value(QStringLiteral("VERABRED")), QStringLiteral("1"));
    EXPECT_EQ(h.value(QStringLiteral("BENENN_TUP")), QStringLiteral("1"));
    EXPECT_EQ(h.value(QStringLiteral("KM_EINFACH")), QStringLiteral("8"));
    EXPECT_EQ(h.value(QStringLiteral("DATUM")), QStringLiteral("04.03.2024"));
    EXPECT_EQ(h.value(QStringLiteral("Name")), QStringLiteral("Müller, Anna"));
    EXPECT_EQ(h.value(QStringLiteral("Provision")), QStringLiteral("20,50"));
    EXPECT_EQ(h.value(QStringLiteral("Verabred_2")), QStringLiteral("1"));
    EXPECT_EQ(h.value(QStringLiteral("MSterne")), QStringLiteral("1"));
    EXPECT_EQ(h.value(QStringLiteral("SummeKm")), QStringLiteral("16"));

    r = party({QStringLiteral("set"), rNr, QStringLiteral("GAESTE=5"),
               QStringLiteral("VORBEREIT1=01.03.2024"), QStringLiteral("AUSLIEFER1=10.03.2024"),
               QStringLiteral("VF_TEXT=Mit Kochvorführung")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    h = show();
    EXPECT_EQ(h.value(QStringLiteral("GAESTE")), QStringLiteral("5"));
    EXPECT_EQ(h.value(QStringLiteral("SummeKm")), QStringLiteral("48"));
    EXPECT_EQ(h.value(QStringLiteral("VF_TEXT")), QStringLiteral("Mit Kochvorführung"));

    // "Datum ändern" into the next week and a new host.
    r = party(
        {QStringLiteral("set"), rNr, QStringLiteral("DATUM=12.03.2024"), QStringLiteral("K_NR=100001")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    h = show();
    EXPECT_EQ(h.value(QStringLiteral("R_NR")), rNr);
    EXPECT_EQ(h.value(QStringLiteral("DATUM")), QStringLiteral("12.03.2024"));
    EXPECT_EQ(h.value(QStringLiteral("MWoche")), QStringLiteral("202411"));
    EXPECT_EQ(h.value(QStringLiteral("TWoche")), QStringLiteral("1"));
    EXPECT_EQ(h.value(QStringLiteral("K_NR")), QStringLiteral("100001"));
    EXPECT_EQ(home.openDb()
                  ->scalar(QStringLiteral("SELECT K_NR FROM Tupper WHERE R_NR = ? AND P_NR = '01'"), {rNr})
                  .toString(),
              QStringLiteral("100001"));

    r = party({QStringLiteral("set"), rNr, QStringLiteral("Woche=54")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nur Woche 01 bis 53 möglich")));
}

TEST_F(PartyCommands, DeletingGuestsLinesAndPartyAsk)
{
    ASSERT_EQ(party({QStringLiteral("new"), QStringLiteral("04.03.2024"), QStringLiteral("A"),
                     QStringLiteral("100005")})
                  .exitCode,
              0);
    party({QStringLiteral("guest"), rNr, QStringLiteral("100005")});
    const CliRun line = party({QStringLiteral("line"), rNr, QStringLiteral("02"), QStringLiteral("S1"),
                               QStringLiteral("10"), QStringLiteral("1")},
                              QStringLiteral("ja"));
    const QString id = fields(line.out).value(QStringLiteral("ID"));
    auto db = home.openDb();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT BESTAND FROM Lager WHERE L_NR = 'S1'")).toInt(), 0);
    EXPECT_EQ(party({QStringLiteral("line-delete"), rNr, QStringLiteral("02"), id}).exitCode, 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT BESTAND FROM Lager WHERE L_NR = 'S1'")).toInt(), 1);
    EXPECT_EQ(party({QStringLiteral("line-delete"), rNr, QStringLiteral("02"), id}).exitCode, 1);

    CliRun r = party({QStringLiteral("guest-delete"), rNr, QStringLiteral("01")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Die Gastgeberin kann nicht gelöscht werden")));
    r = party({QStringLiteral("guest-delete"), rNr, QStringLiteral("02")}, QStringLiteral("nein"));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nichts gelöscht")));
    EXPECT_EQ(
        party({QStringLiteral("guest-delete"), rNr, QStringLiteral("02")}, QStringLiteral("ok")).exitCode, 0);

    r = party({QStringLiteral("delete"), rNr});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Frage: Vorführung wirklich löschen ?")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("nichts gelöscht")));
    EXPECT_EQ(party({QStringLiteral("show"), rNr}).exitCode, 0);
    EXPECT_EQ(party({QStringLiteral("delete"), rNr}, QStringLiteral("ja")).exitCode, 0);
    EXPECT_EQ(party({QStringLiteral("show"), rNr}).exitCode, 1);
}

TEST_F(PartyCommands, RefusedInput)
{
    CliRun r = party(
        {QStringLiteral("new"), QStringLiteral("04.03.2024"), QStringLiteral("A"), QStringLiteral("777777")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Sie müssen eine gültige Kunden-Nr. eingeben")));
    EXPECT_EQ(party({QStringLiteral("show"), rNr}).exitCode, 1);

    r = party(
        {QStringLiteral("new"), QStringLiteral("01.01.2099"), QStringLiteral("A"), QStringLiteral("100005")});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Abgebrochen, nichts geändert.")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Frage: Datum größer heute.")));

    ASSERT_EQ(party({QStringLiteral("new"), QStringLiteral("04.03.2024"), QStringLiteral("A"),
                     QStringLiteral("100005")})
                  .exitCode,
              0);
    r = party({QStringLiteral("line"), rNr, QStringLiteral("01"), QStringLiteral("NIX"), QStringLiteral("10"),
               QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Der Artikel NIX befindet sich nicht in der Artikeldatei")));
    EXPECT_EQ(party({QStringLiteral("guest-set"), rNr, QStringLiteral("01"), QStringLiteral("K_NR=100001")})
                  .exitCode,
              2);
    EXPECT_EQ(party({QStringLiteral("guest-set"), rNr, QStringLiteral("01"),
                     QStringLiteral("Verabred_DATUM=31.02.2024")})
                  .exitCode,
              2);
    EXPECT_EQ(party({QStringLiteral("set"), rNr, QStringLiteral("S_UMSATZ=5")}).exitCode, 2);
    EXPECT_EQ(party({QStringLiteral("frobnicate")}).exitCode, 2);
}

} // namespace korbelant::test
