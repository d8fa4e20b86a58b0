#include "core/DataSet.h"
#include "core/Transaction.h"
#include "support/OrvelaSource.h"
#include "support/TakeOverSources.h"
#include "takeover/DosTakeOver.h"
#include "takeover/KalmoTakeOver.h"
#include "takeover/OrvelaTakeOver.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <iostream>

namespace korbelant::test {

namespace {

constexpr int kCustomers = 20000;
constexpr int kParties = 2000;
constexpr int kGuests = 10;
constexpr int kLinesPerGuest = 2;
// A generous bound for a loaded test machine; the figure itself is printed.
constexpr qint64 kMostMs = 60000;

class TakeOverLargeTest : public TakeOverFixture
{
protected:
    qint64 timedRun(TakeOverKind& kind, const QString& source = {})
    {
        TakeOverDisplay display;
        TakeOverRun run(*m_set, ui(), kind, display);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(run.start(source.isEmpty() ? sourceDir() : source), TakeOverRun::Outcome::Finished);
        const qint64 ms = timer.elapsed();
        std::cout << kind.key().toStdString() << ": " << kCustomers << " Kunden, " << kParties
                  << " Vorführungen in " << ms << " ms" << std::endl;
        return ms;
    }

    static QString number(int n) { return QStringLiteral("%1").arg(200000 + n, 6, 10, QLatin1Char('0')); }
    static QDate dayOf(int party) { return QDate(1995, 1, 2).addDays(party); }
};

} // namespace

TEST_F(TakeOverLargeTest, TwentyThousandDosCustomersAndTwoThousandPartiesTakeSeconds)
{
    DbfFileBuilder customers(QDir(sourceDir()).filePath(QStringLiteral("Kunden.dbf")),
                             DosLayouts::customers());
    for (int i = 0; i < kCustomers; ++i)
        customers.add({{"K_NR", number(i)},
                       {"NAME", QStringLiteral("Name %1").arg(i)},
                       {"TEXT1", QStringLiteral("Notiz")},
                       {"V_ANZAHL", 1}});
    customers.write();
    DbfFileBuilder headers(QDir(sourceDir()).filePath(QStringLiteral("TuppKopf.dbf")),
                           DosLayouts::partyHeaders());
    DbfFileBuilder guests(QDir(sourceDir()).filePath(QStringLiteral("Tupper.dbf")),
                          DosLayouts::participants());
    DbfFileBuilder lines(QDir(sourceDir()).filePath(QStringLiteral("Tupper1.dbf")), DosLayouts::orderLines());
    for (int p = 0; p < kParties; ++p) {
        const QString rNr = dayOf(p).toString(QStringLiteral("ddMMyy")) + QLatin1Char('A');
        const QString week = QStringLiteral("%1%2")
                                 .arg(dayOf(p).year() % 100, 2, 10, QLatin1Char('0'))
                                 .arg(dayOf(p).weekNumber(), 2, 10, QLatin1Char('0')) +
                             QLatin1Char('1');
        headers.add({{"R_NR", rNr}, {"DATUM", dayOf(p)}, {"WOCHE", week}, {"K_NR", number(p)}});
        for (int g = 1; g <= kGuests; ++g) {
            const QString pNr = QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
            guests.add({{"R_NR", rNr}, {"P_NR", pNr}, {"K_NR", number(p * kGuests + g)}, {"WOCHE", week}});
            for (int l = 0; l < kLinesPerGuest; ++l)
                lines.add({{"R_NR", rNr},
                           {"P_NR", pNr},
                           {"L_NR", QStringLiteral("A%1").arg(l)},
                           {"VA", QStringLiteral("10")},
                           {"STUECK", 1},
                           {"EINZ_PREIS", 9.95}});
        }
    }
    headers.write();
    guests.write();
    lines.write();

    DosTakeOver kind;
    EXPECT_LT(timedRun(kind), kMostMs);
    EXPECT_EQ(count(QStringLiteral("Kunden")), kCustomers + 3);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), kParties);
    EXPECT_EQ(count(QStringLiteral("Tupper1")), kParties * kGuests * kLinesPerGuest);
}

TEST_F(TakeOverLargeTest, TwentyThousandKalmoCustomersAndTwoThousandPartiesTakeSeconds)
{
    DbfFileBuilder customers(QDir(sourceDir()).filePath(QStringLiteral("GBAdr.dbf")),
                             KalmoLayouts::customers());
    for (int i = 0; i < kCustomers; ++i)
        customers.add({{"NR", QStringLiteral("01") + number(i)}, {"NAME", QStringLiteral("Name %1").arg(i)}});
    customers.write();
    DbfFileBuilder parties(QDir(sourceDir()).filePath(QStringLiteral("GBVF.dbf")), KalmoLayouts::parties());
    DbfFileBuilder guests(QDir(sourceDir()).filePath(QStringLiteral("GBVFGL.DBF")), KalmoLayouts::guests());
    DbfFileBuilder lines(QDir(sourceDir()).filePath(QStringLiteral("GBVFPR.DBF")), KalmoLayouts::lines());
    for (int p = 0; p < kParties; ++p) {
        const QString vfnr = QString::number(p);
        parties.add({{"VFNR", vfnr},
                     {"DATUM", dayOf(p / 2)},
                     {"GGBNR", QStringLiteral("01") + number(p)},
                     {"WOCHE", QStringLiteral("9901")}});
        for (int g = 0; g < kGuests; ++g) {
            guests.add({{"VFNR", vfnr},
                        {"GASTNR", QStringLiteral("01") + number(p * kGuests + g)},
                        {"GASTNRLFD", g},
                        {"KZ", QStringLiteral("00")}});
            for (int l = 0; l < kLinesPerGuest; ++l)
                lines.add({{"VFNR", vfnr},
                           {"GASTNRLFD", g},
                           {"PRDNR", QStringLiteral("A%1").arg(l)},
                           {"ARTNR", QStringLiteral("1234")},
                           {"MENGE", 2},
                           {"Preis", 19.9},
                           {"VA", QStringLiteral("10")},
                           {"KZ", QStringLiteral("00")}});
        }
    }
    parties.write();
    guests.write();
    lines.write();

    KalmoTakeOver kind;
    EXPECT_LT(timedRun(kind), kMostMs);
    EXPECT_EQ(count(QStringLiteral("Kunden")), kCustomers + 3);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), kParties);
    EXPECT_EQ(count(QStringLiteral("Tupper")), kParties * kGuests);
    EXPECT_EQ(count(QStringLiteral("Tupper1")), kParties * kGuests * kLinesPerGuest);
}

// The same through ODBC: the Orvela tables served by the SQLite driver.
TEST_F(TakeOverLargeTest, TwentyThousandOrvelaAddressesAndTwoThousandPartiesTakeSeconds)
{
    OrvelaSource orvela;
    {
        Transaction tx(orvela.db());
        for (int i = 0; i < kCustomers; ++i)
            orvela.add(QStringLiteral("Adressen"),
                       {{QStringLiteral("Index"), 200000 + i},
                        {QStringLiteral("Name"), QStringLiteral("Name %1").arg(i)}});
        for (int p = 0; p < kParties; ++p) {
            orvela.add(QStringLiteral("Vorführungen"), {{QStringLiteral("ID"), p},
                                                        {QStringLiteral("Datum"), dayOf(p / 2)},
                                                        {QStringLiteral("GgID"), 200000 + p},
                                                        {QStringLiteral("WB Umsatz"), 400.0}});
            for (int g = 0; g < kGuests; ++g) {
                orvela.add(QStringLiteral("Gästeliste"), {{QStringLiteral("VID"), p},
                                                          {QStringLiteral("GID"), 200000 + p * kGuests + g},
                                                          {QStringLiteral("lfd"), g},
                                                          {QStringLiteral("Umsatz"), 40.0}});
                for (int l = 0; l < kLinesPerGuest; ++l)
                    orvela.add(QStringLiteral("Preislisten"),
                               {{QStringLiteral("VID"), p},
                                {QStringLiteral("GID"), 200000 + p * kGuests + g},
                                {QStringLiteral("PrdNr"), QStringLiteral("A%1").arg(l)},
                                {QStringLiteral("MENGE"), 2},
                                {QStringLiteral("Preis"), 9.95},
                                {QStringLiteral("VA"), QStringLiteral("10")}});
            }
        }
        tx.commit();
    }

    OrvelaTakeOver kind(OrvelaSource::driverMap());
    EXPECT_LT(timedRun(kind, orvela.directory()), kMostMs);
    EXPECT_EQ(count(QStringLiteral("Kunden")), kCustomers + 3);
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), kParties);
    EXPECT_EQ(count(QStringLiteral("Tupper1")), kParties * kGuests * kLinesPerGuest);
}

} // namespace korbelant::test
