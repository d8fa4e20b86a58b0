#include "expenses/TravelAccount.h"
#include "core/Database.h"
#include "core/Schema.h"
#include "expenses/TravelDbfExport.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"

#include <QDir>
#include <QFile>
#include <shapefil.h>

namespace korbelant::test {

namespace {

class TravelAccountTest : public DataSetFixture
{
protected:
    void SetUp() override
    {
        CustomerBuilder(QStringLiteral("200001"))
            .name(QStringLiteral(" Meier "))
            .with(QStringLiteral("ORT"), QStringLiteral(" Musterstadt "))
            .with(QStringLiteral("STRASSE"), QStringLiteral("Weg 1"))
            .insertInto(db());
        PartyBuilder(QStringLiteral("0001"))
            .host(QStringLiteral("200001"))
            .with(QStringLiteral("KM_EINFACH"), 12)
            .with(QStringLiteral("DATUM"), QDate(2001, 3, 10))
            .with(QStringLiteral("VORBEREIT1"), QDate(2001, 3, 1))
            .with(QStringLiteral("AUSLIEFER1"), QDate(2001, 3, 20))
            .insertInto(db());
        // Its customer is gone: no trips.
        PartyBuilder(QStringLiteral("0002"))
            .host(QStringLiteral("999999"))
            .with(QStringLiteral("KM_EINFACH"), 50)
            .with(QStringLiteral("DATUM"), QDate(2001, 3, 12))
            .insertInto(db());
        // Collected, but outside the range.
        PartyBuilder(QStringLiteral("0003"))
            .host(QStringLiteral("200001"))
            .with(QStringLiteral("KM_EINFACH"), 5)
            .with(QStringLiteral("DATUM"), QDate(2001, 5, 10))
            .insertInto(db());
        db().run(QStringLiteral("DELETE FROM MWoche"));
        db().insert(Schema::get(QStringLiteral("MWoche")),
                    {{QStringLiteral("MWoche"), QStringLiteral("200110")},
                     {QStringLiteral("FDATUM1"), QDate(2001, 3, 6)},
                     {QStringLiteral("FTEXT1"), QStringLiteral("Fahrt zum Gruppentreffen")},
                     {QStringLiteral("FKM1"), 35},
                     {QStringLiteral("FVERPFLEG1"), QStringLiteral("01")},
                     {QStringLiteral("FDATUM2"), QDate(2001, 3, 7)},
                     {QStringLiteral("FVERPFLEG2"), QStringLiteral("02")},
                     {QStringLiteral("FDATUM3"), QDate(2001, 3, 8)},
                     {QStringLiteral("FTEXT3"), QStringLiteral("Lager")},
                     {QStringLiteral("FKM3"), 10},
                     {QStringLiteral("FVERPFLEG3"), QStringLiteral("00")}});
    }

    std::vector<TravelEntry> march()
    {
        return TravelAccount(db()).entries({QDate(2001, 3, 1), QDate(2001, 3, 31)});
    }
};

QStringList lines(const std::vector<TravelEntry>& entries)
{
    QStringList result;
    for (const TravelEntry& e : entries)
        result << QStringLiteral("%1|%2|%3|%4")
                      .arg(e.Datum.toString(Qt::ISODate), e.Text)
                      .arg(e.KM)
                      .arg(e.Betrag, 0, 'f', 2);
    return result;
}

TEST_F(TravelAccountTest, PartyAndWeekTripsWithAllowancesOfTheRange)
{
    const QString at = QStringLiteral("nach Musterstadt, Weg 1 bei Meier");
    EXPECT_EQ(lines(march()),
              (QStringList{"2001-03-01|Fahrt zu TW-Vorbereitung " + at + "|24|7.20",
                           "2001-03-06|Fahrt zum Gruppentreffen|35|10.50",
                           "2001-03-06|Verpflegung Abwesenheit 8 bis 14 Std.|0|6.00",
                           "2001-03-07|Verpflegung Abwesenheit 14 bis 24 Std.|0|12.00",
                           "2001-03-08|Lager|10|3.00", "2001-03-10|Fahrt TW-Vorführung " + at + "|24|7.20",
                           "2001-03-20|Fahrt TW-Auslieferung " + at + "|24|7.20"}));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Reise")).toInt(), 0);
    // A second account starts afresh.
    EXPECT_EQ(march().size(), 7u);
}

TEST_F(TravelAccountTest, RatePerKilometreIsTheFirstRate)
{
    db().run(QStringLiteral("UPDATE ReiseSatz SET KM_DM = 0.5 WHERE VERPF_SATZ = '00'"));
    EXPECT_DOUBLE_EQ(TravelAccount(db()).kilometreRate(), 0.5);
    EXPECT_DOUBLE_EQ(march().front().Betrag, 12.0);
}

TEST_F(TravelAccountTest, DatesAreChecked)
{
    struct Case
    {
        const char* from;
        const char* to;
        QString message;
    } cases[] = {
        {"31.02.2001", "31.03.2001", TravelAccount::kFromInvalid},
        {"", "31.03.2001", TravelAccount::kFromInvalid},
        {"01.03.2001", "3.2001", TravelAccount::kToInvalid},
        {"01.04.2001", "31.03.2001", TravelAccount::kReversed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from + std::string(" - ") + c.to);
        ScriptedUi ui;
        EXPECT_FALSE(TravelAccount::checkedRange(QString::fromLatin1(c.from), QString::fromLatin1(c.to), ui));
        EXPECT_EQ(ui.shownTexts(), QStringList{c.message});
    }
    ScriptedUi cancel;
    EXPECT_FALSE(
        TravelAccount::checkedRange(QStringLiteral("01.12.2001"), QStringLiteral("31.01.2002"), cancel));
    EXPECT_TRUE(cancel.wasShown(TravelAccount::kYears));
    ScriptedUi ok({UiPort::Answer::Ok});
    const auto range =
        TravelAccount::checkedRange(QStringLiteral("1.12.2001"), QStringLiteral("31.01.2002"), ok);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->from, QDate(2001, 12, 1));
}

TEST_F(TravelAccountTest, DbaseCopyOfTheEntries)
{
    const QString file = QDir(m_home.home().dbDir()).filePath(TravelDbfExport::kFileName);
    TravelDbfExport::write(march(), file);
    TravelDbfExport::write(march(), file); // replaces the first one
    DBFHandle dbf = DBFOpen(QFile::encodeName(file).constData(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_EQ(DBFGetRecordCount(dbf), 7);
    EXPECT_EQ(DBFGetFieldCount(dbf), 5);
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 0, 0), "20010301");
    EXPECT_EQ(DBFReadIntegerAttribute(dbf, 1, 3), 35);
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, 1, 4), 10.5);
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 1, 2), "Fahrt zum Gruppentreffen");
    DBFClose(dbf);
    EXPECT_FALSE(QFile::exists(QDir(m_home.home().dbDir()).filePath(QStringLiteral("ReiseTemp.neu.dbf"))));
}

} // namespace

} // namespace korbelant::test
