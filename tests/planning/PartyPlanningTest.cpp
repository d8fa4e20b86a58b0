#include "planning/PartyPlanning.h"
#include "core/Cp437.h"
#include "planning/PlanAddressListReport.h"
#include "planning/PlanExport.h"
#include "planning/PlanPartyCreation.h"
#include "planning/PlanWordProcessor.h"
#include "reports/ReportRegistry.h"
#include "support/PartyModuleFixture.h"

#include <QDir>
#include <QFile>
#include <shapefil.h>

namespace korbelant::test {

using Answer = UiPort::Answer;

class Planning : public PartyModuleFixture
{
protected:
    Planning() : planning(db(), ui()), creation(party(), planning) {}

    void customer(const QString& kNr, const QString& name, const QVariantMap& fields = {})
    {
        QVariantMap all = fields;
        all.insert(QStringLiteral("NAME"), name);
        all.insert(QStringLiteral("VORNAME"), QStringLiteral("Vorname ") + name);
        addCustomer(kNr, all);
    }
    int mark(const QString& kNr)
    {
        return db()
            .scalar(QStringLiteral("SELECT IFNULL(V_ANZAHL, 0) FROM Kunden WHERE K_NR = ?"), {kNr})
            .toInt();
    }
    QString headerField(const QString& rNr, const QString& field)
    {
        return db()
            .scalar(QStringLiteral("SELECT \"%1\" FROM Tuppkopf WHERE R_NR = ?").arg(field), {rNr})
            .toString();
    }

    PartyPlanning planning;
    PlanPartyCreation creation;
};

TEST_F(Planning, SecondHostIsRefusedAndTheFirstStays)
{
    customer(QStringLiteral("100010"), QStringLiteral("Erste"));
    customer(QStringLiteral("100011"), QStringLiteral("Zweite"));
    ASSERT_TRUE(planning.markHost(QStringLiteral("100010")));
    EXPECT_FALSE(planning.markHost(QStringLiteral("100011")));
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kHostMarked));
    EXPECT_EQ(mark(QStringLiteral("100010")), PartyPlanning::Host);
    EXPECT_EQ(mark(QStringLiteral("100011")), PartyPlanning::None);
    EXPECT_FALSE(planning.markGuest(QString())); // a row without a customer number
}

// The counts come from the marks; the reset takes every customer out of the plan at once, a
// mark left empty by other programs included, and asks first.
TEST_F(Planning, CountsAndResetFollowTheMarks)
{
    for (const char* kNr : {"100010", "100011", "100012", "100013"})
        customer(QString::fromLatin1(kNr), QString::fromLatin1(kNr));
    planning.markHost(QStringLiteral("100010"));
    planning.markGuest(QStringLiteral("100011"));
    planning.markGuest(QStringLiteral("100012"));
    planning.markGuest(QStringLiteral("100013"));
    planning.clear(QStringLiteral("100013"));
    db().run(QStringLiteral("UPDATE Kunden SET V_ANZAHL = NULL WHERE K_NR = '100001'"));
    PartyPlanning::Counts counts = planning.counts();
    EXPECT_EQ(counts.hosts, 1);
    EXPECT_EQ(counts.guests, 2);

    ui().addAnswer(Answer::No);
    EXPECT_FALSE(planning.reset());
    EXPECT_EQ(planning.counts().guests, 2);
    ui().addAnswer(Answer::Yes);
    EXPECT_TRUE(planning.reset());
    counts = planning.counts();
    EXPECT_EQ(counts.hosts + counts.guests, 0);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE V_ANZAHL IS NOT 0")).toInt(), 0);
}

TEST_F(Planning, PartyFromTheHostAloneCountsOneGuest)
{
    customer(QStringLiteral("100010"), QStringLiteral("Gastgeberin"));
    planning.markHost(QStringLiteral("100010"));
    const auto created =
        creation.create(QStringLiteral("050126A"), QDate(2026, 1, 5), QStringLiteral("100010"),
                        planning.marked(CustomerSort::Order::Name));
    ASSERT_EQ(created.participants.size(), 1u);
    EXPECT_EQ(created.participants[0], std::make_pair(QStringLiteral("01"), QStringLiteral("100010")));
    EXPECT_EQ(headerField(created.rNr, QStringLiteral("GAESTE")), QStringLiteral("1"));
    EXPECT_EQ(headerField(created.rNr, QStringLiteral("K_NR")), QStringLiteral("100010"));
    EXPECT_EQ(headerField(created.rNr, QStringLiteral("MWoche")), QStringLiteral("202602"));
    EXPECT_EQ(mark(QStringLiteral("100010")), PartyPlanning::Host); // the plan stays
}

// Guests follow the host as 02, 03, … in the grid's order; the customer update stays off while
// the party is made (no last party date written) and is on again afterwards.
TEST_F(Planning, GuestsFollowInTheGridOrderWithoutCustomerUpdate)
{
    customer(QStringLiteral("100010"), QStringLiteral("Mitte"));
    customer(QStringLiteral("100011"), QStringLiteral("Zeta"));
    customer(QStringLiteral("100012"), QStringLiteral("Alpha"));
    planning.markHost(QStringLiteral("100010"));
    planning.markGuest(QStringLiteral("100011"));
    planning.markGuest(QStringLiteral("100012"));
    const QDate today = QDate::currentDate();
    const auto created =
        creation.create(TVorFuerModul::partyNumber(today, QStringLiteral("B")), today,
                        QStringLiteral("100010"), planning.marked(CustomerSort::Order::Name));
    const std::vector<std::pair<QString, QString>> expected{{QStringLiteral("01"), QStringLiteral("100010")},
                                                            {QStringLiteral("02"), QStringLiteral("100012")},
                                                            {QStringLiteral("03"), QStringLiteral("100011")}};
    EXPECT_EQ(created.participants, expected);
    EXPECT_EQ(headerField(created.rNr, QStringLiteral("GAESTE")), QStringLiteral("3"));
    EXPECT_FALSE(customerField(QStringLiteral("100012"), QStringLiteral("L_DATUM")).isValid());
    EXPECT_FALSE(party().customerUpdateSuppressed());
}

// A failure anywhere leaves no party, no participant and the customer update on again.
TEST_F(Planning, FailedCreationLeavesNoPartyBehind)
{
    customer(QStringLiteral("100010"), QStringLiteral("Gastgeberin"));
    customer(QStringLiteral("100011"), QStringLiteral("Gast"));
    planning.markHost(QStringLiteral("100010"));
    planning.markGuest(QStringLiteral("100011"));
    db().run(QStringLiteral("CREATE TRIGGER no_count BEFORE UPDATE OF GAESTE ON Tuppkopf "
                            "WHEN NEW.GAESTE > 0 BEGIN SELECT RAISE(ABORT, 'voll'); END"));
    EXPECT_ANY_THROW(creation.create(QStringLiteral("050126A"), QDate(2026, 1, 5), QStringLiteral("100010"),
                                     planning.marked(CustomerSort::Order::Name)));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM Tuppkopf")).toInt(), 0);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM Tupper")).toInt(), 0);
    EXPECT_FALSE(party().customerUpdateSuppressed());
}

TEST_F(Planning, DialogOpensWithTheHostsNextPartyOrTheDateItHeld)
{
    customer(QStringLiteral("100010"), QStringLiteral("Mit"),
             {{QStringLiteral("N_DATUM"), QStringLiteral("2026-04-17")}});
    customer(QStringLiteral("100011"), QStringLiteral("Ohne"));
    const QDate held(2026, 2, 3);
    EXPECT_EQ(creation.dialogDate(QStringLiteral("100010"), held), QDate(2026, 4, 17));
    EXPECT_EQ(creation.dialogDate(QStringLiteral("100011"), held), held);
    EXPECT_FALSE(creation.host());
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kNoHost));
}

TEST_F(Planning, EmptyCustomerTableStartsAt100002)
{
    db().run(QStringLiteral("DELETE FROM Kunden"));
    EXPECT_EQ(m_customers->NextCustomerNumber(), QStringLiteral("100002"));
}

// The export holds the marked customers only (with the filter off), each with the host's fields,
// values cut to their width, dates as text and the weekday of the host's next party.
TEST_F(Planning, ExportWritesTheMarkedCustomersWithTheHostFields)
{
    customer(QStringLiteral("100010"), QStringLiteral("Gastgeberin"),
             {{QStringLiteral("GASTGEBER"), QStringLiteral("N")},
              {QStringLiteral("STRASSE"), QStringLiteral("Hauptstraße 1")},
              {QStringLiteral("PLZ"), QStringLiteral("123456")},
              {QStringLiteral("N_DATUM"), QStringLiteral("2026-04-17")},
              {QStringLiteral("N_ZEIT"), QStringLiteral("19:30:00")}});
    customer(QStringLiteral("100011"), QStringLiteral("Gast"),
             {{QStringLiteral("GASTGEBER"), QStringLiteral("S")}});
    customer(QStringLiteral("100012"), QStringLiteral("Unmarkiert"));
    planning.markHost(QStringLiteral("100010"));
    planning.markGuest(QStringLiteral("100011"));

    const QString file = QDir(m_home.home().dbDir()).filePath(PlanExport::kFileName);
    ui().addAnswer(Answer::Ok);
    ASSERT_TRUE(PlanExport(db()).Export(m_home.home().dbDir(), ui()));
    EXPECT_TRUE(ui().wasShown(PlanExport::confirmation()));
    EXPECT_FALSE(QFile::exists(QDir(m_home.home().dbDir()).filePath(QStringLiteral("Vorplan.neu.dbf"))));

    DBFHandle dbf = DBFOpen(QFile::encodeName(file).constData(), "rb");
    ASSERT_NE(dbf, nullptr);
    ASSERT_EQ(DBFGetRecordCount(dbf), 2);
    ASSERT_EQ(DBFGetFieldCount(dbf), 28);
    const auto field = [&](int record, const char* name) {
        const int index = DBFGetFieldIndex(dbf, name);
        EXPECT_GE(index, 0) << name;
        return Cp437::decode(QByteArray(DBFReadStringAttribute(dbf, record, index))).trimmed();
    };
    char name[12];
    int width = 0;
    int decimals = 0;
    EXPECT_EQ(DBFGetFieldInfo(dbf, DBFGetFieldIndex(dbf, "GWOCHENTAG"), name, &width, &decimals), FTString);
    EXPECT_EQ(width, 20);
    EXPECT_EQ(field(0, "K_NR"), QStringLiteral("100010"));
    EXPECT_EQ(field(0, "GASTGEBER"), QStringLiteral("J"));
    EXPECT_EQ(field(0, "STRASSE"), QStringLiteral("Hauptstraße 1"));
    EXPECT_EQ(field(0, "PLZ"), QStringLiteral("12345"));
    EXPECT_EQ(field(0, "N_DATUM"), QStringLiteral("17.04.2026"));
    EXPECT_EQ(field(0, "N_ZEIT"), QStringLiteral("19:30"));
    EXPECT_EQ(field(1, "K_NR"), QStringLiteral("100011"));
    EXPECT_EQ(field(1, "GASTGEBER"), QStringLiteral("S"));
    EXPECT_EQ(field(1, "N_DATUM"), QString());
    EXPECT_EQ(field(1, "VORPLANUNG"), QString());
    for (int record : {0, 1}) {
        EXPECT_EQ(field(record, "GNAME"), QStringLiteral("Gastgeberin"));
        EXPECT_EQ(field(record, "GSTRASSE"), QStringLiteral("Hauptstraße 1"));
        EXPECT_EQ(field(record, "GN_DATUM"), QStringLiteral("17.04.2026"));
        EXPECT_EQ(field(record, "GN_ZEIT"), QStringLiteral("19:30"));
        EXPECT_EQ(field(record, "GWOCHENTAG"), QStringLiteral("Freitag"));
    }
    DBFClose(dbf);
}

TEST_F(Planning, ExportNeedsAHostAndKeepsTheWeekdayEmptyWithoutHerDate)
{
    customer(QStringLiteral("100010"), QStringLiteral("Gastgeberin"));
    EXPECT_FALSE(PlanExport(db()).Export(m_home.home().dbDir(), ui()));
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kNoHost));
    planning.markHost(QStringLiteral("100010"));
    const QString file = QDir(m_home.home().dbDir()).filePath(PlanExport::kFileName);
    ASSERT_EQ(PlanExport(db()).write(file, QStringLiteral("100010")), 1);
    DBFHandle dbf = DBFOpen(QFile::encodeName(file).constData(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_TRUE(DBFIsAttributeNULL(dbf, 0, DBFGetFieldIndex(dbf, "GWOCHENTAG")));
    DBFClose(dbf);
}

// The word processor: the option's program when it starts; otherwise the choice becomes the
// option, and it is started only when the option was empty.
TEST_F(Planning, WordProcessorFallsBackToTheUsersChoice)
{
    QStringList started;
    bool starts = true;
    const auto launcher = [&](const QString& program, const QStringList&) {
        started << program;
        return starts;
    };
    options().setText(PlanWordProcessor::kOption, QStringLiteral("/opt/schreiben"));
    EXPECT_TRUE(PlanWordProcessor(options(), ui(), launcher).start());
    EXPECT_EQ(started, QStringList{QStringLiteral("/opt/schreiben")});

    starts = false;
    ui().addFile(QStringLiteral("/opt/neu"));
    EXPECT_FALSE(PlanWordProcessor(options(), ui(), launcher).start());
    EXPECT_EQ(options().text(PlanWordProcessor::kOption), QStringLiteral("/opt/neu"));
    EXPECT_EQ(started.size(), 2);

    starts = true;
    options().setText(PlanWordProcessor::kOption, QString());
    ui().addFile(QStringLiteral("/opt/drei"));
    EXPECT_TRUE(PlanWordProcessor(options(), ui(), launcher).start());
    EXPECT_EQ(started.last(), QStringLiteral("/opt/drei"));
}

TEST_F(Planning, AddressListShowsTheCustomersWithTheirMark)
{
    customer(QStringLiteral("100010"), QStringLiteral("Berg"),
             {{QStringLiteral("L_DATUM"), QStringLiteral("2025-11-02")}});
    customer(QStringLiteral("100011"), QStringLiteral("Anger"));
    planning.markHost(QStringLiteral("100010"));
    const ReportDocument marked = ReportRegistry::standard().build(PlanAddressListReport::Name, *m_set,
                                                                   {PlanAddressListReport::kMarkedOnly});
    ASSERT_EQ(marked.sections.front().rowCount(), 1);
    const QVariantList row = marked.sections.front().groups.front().rows.front().values;
    EXPECT_EQ(row.at(0).toString(), QStringLiteral("100010"));
    EXPECT_EQ(row.at(1).toString(), QStringLiteral("Vorname Berg Berg"));
    EXPECT_EQ(row.at(6).toString(), QStringLiteral("02.11.2025"));
    EXPECT_EQ(row.at(8).toString(), QStringLiteral("Gastgeberin"));

    const ReportDocument byNumber = ReportRegistry::standard().build(
        PlanAddressListReport::Name, *m_set,
        PlanAddressListReport::arguments(false, CustomerSort::Order::Number));
    const auto& rows = byNumber.sections.front().groups.front().rows;
    ASSERT_GE(rows.size(), 2u);
    EXPECT_LT(rows.front().values.at(0).toString(), rows.back().values.at(0).toString());
}

} // namespace korbelant::test
