#include "week/TWocheDataModul.h"
#include "core/DatabaseError.h"
#include "support/PartyModuleFixture.h"

namespace korbelant::test {

namespace {

const QString kPrintWord = QStringLiteral("DR_20");

} // namespace

class TWocheDataModulTest : public PartyModuleFixture
{
protected:
    TWocheDataModulTest() : week(db(), options(), ui())
    {
        addCustomer(QStringLiteral("200001"), {{QStringLiteral("NAME"), QStringLiteral("Brandt")},
                                               {QStringLiteral("VORNAME"), QStringLiteral("Ute")},
                                               {QStringLiteral("PLZ"), QStringLiteral("12345")},
                                               {QStringLiteral("ORT"), QStringLiteral("Kassel")}});
        addCustomer(QStringLiteral("200002"), {{QStringLiteral("NAME"), QStringLiteral("Roth")}});
    }

    QVariant weekField(const QString& key, const QString& field)
    {
        return db().scalar(QStringLiteral("SELECT %1 FROM MWoche WHERE MWoche = ?").arg(field), {key});
    }
    int count(const QString& sql, const QVariantList& params = {})
    {
        return db().scalar(sql, params).toInt();
    }
    void addRequestItem(const QString& key, const QString& code, int menge, int max)
    {
        db().run(QStringLiteral("INSERT INTO anforderungen (MWOCHE, Kodierung, Bezeichnung, Menge, Max) "
                                "VALUES (?, ?, 'Posten', ?, ?)"),
                 {key, code, menge, max});
    }

    TWocheDataModul week;
};

TEST_F(TWocheDataModulTest, NewWeekIsValidatedAndAnExistingKeyIsLeftSilently)
{
    EXPECT_FALSE(week.askNewWeek()); // no answer: Cancel
    EXPECT_EQ(ui().shownTexts(), QStringList{TWocheDataModul::kAskNewWeek});

    ui().addAnswer(UiPort::Answer::Yes);
    EXPECT_TRUE(week.askNewWeek());
    struct Case
    {
        const char* year;
        const char* week;
        TWocheDataModul::NewWeek result;
    };
    const std::vector<Case> cases{{"2026", "1", TWocheDataModul::NewWeek::Invalid},
                                  {" 202", "6 ", TWocheDataModul::NewWeek::Invalid},
                                  {"", "", TWocheDataModul::NewWeek::Invalid},
                                  {"2026", "07", TWocheDataModul::NewWeek::Created},
                                  {"2026 ", "", TWocheDataModul::NewWeek::Invalid}};
    for (const Case& c : cases) {
        const qsizetype before = ui().shown().size();
        EXPECT_EQ(week.createEmptyWeek(QString::fromLatin1(c.year), QString::fromLatin1(c.week)), c.result)
            << c.year << "/" << c.week;
        const bool invalid = c.result == TWocheDataModul::NewWeek::Invalid;
        EXPECT_EQ(ui().shown().size(), before + (invalid ? 1 : 0));
        if (invalid) {
            EXPECT_EQ(ui().shownTexts().last(), TWocheDataModul::kInvalidWeek);
        }
    }
    EXPECT_EQ(week.weekKeys(), QStringList{QStringLiteral("202607")});
    EXPECT_EQ(weekField(QStringLiteral("202607"), kPrintWord).toInt(), 2);
    EXPECT_EQ(weekField(QStringLiteral("202607"), QStringLiteral("VORFUEHR_3")).toInt(), 0);

    db().run(QStringLiteral("UPDATE MWoche SET Bemerkung = 'alt', DR_20 = 100 WHERE MWoche = '202607'"));
    const qsizetype before = ui().shown().size();
    EXPECT_EQ(week.createEmptyWeek(QStringLiteral("2026"), QStringLiteral("07")),
              TWocheDataModul::NewWeek::Existing);
    EXPECT_EQ(ui().shown().size(), before);
    EXPECT_EQ(weekField(QStringLiteral("202607"), QStringLiteral("Bemerkung")).toString(),
              QStringLiteral("alt"));
    EXPECT_EQ(weekField(QStringLiteral("202607"), kPrintWord).toInt(), 100);
}

TEST_F(TWocheDataModulTest, PrintStateOfAWindowWeekAndOfAWeekTheRepairAdded)
{
    ui().addAnswer(UiPort::Answer::Ok);
    ASSERT_TRUE(week.askNewWeek());
    week.createEmptyWeek(QStringLiteral("2026"), QStringLiteral("03"));
    makeParty(QDate(2026, 1, 20), QStringLiteral("200001")); // its week record is made as the repair makes it

    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202603")));
    week.MarkReportPrinted(3);
    EXPECT_EQ(weekField(QStringLiteral("202603"), kPrintWord).toInt(), 100);
    EXPECT_EQ(week.ReportPrintState(3), QStringLiteral("gedruckt"));
    EXPECT_EQ(week.ReportPrintState(1), QStringLiteral("noch nicht gedruckt"));

    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    EXPECT_EQ(week.field(kPrintWord).toInt(), 0);
    EXPECT_EQ(week.ReportPrintState(2), QStringLiteral("nicht feststellbar"));
    week.MarkReportPrinted(1);
    EXPECT_EQ(weekField(QStringLiteral("202604"), kPrintWord).toInt(), 10000);
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(week.ReportPrintState(k), QStringLiteral("noch nicht gedruckt")) << k;
}

TEST_F(TWocheDataModulTest, OnlyAWeekWithoutPartiesIsDeletedAfterTheQuestion)
{
    const QString party = makeParty(QDate(2026, 1, 20), QStringLiteral("200001"));
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche) VALUES ('202610')"));
    addRequestItem(QStringLiteral("202610"), QStringLiteral("K1"), 0, 0);

    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    EXPECT_EQ(week.deleteWeek(), TWocheDataModul::DeleteWeek::NotEmpty);
    EXPECT_EQ(ui().shownTexts(), QStringList{TWocheDataModul::kOnlyEmpty});

    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202610")));
    EXPECT_EQ(week.deleteWeek(), TWocheDataModul::DeleteWeek::Cancelled);
    EXPECT_EQ(ui().shownTexts().last(), TWocheDataModul::kAskDelete);
    EXPECT_EQ(week.weekKeys().size(), 2);

    ui().addAnswer(UiPort::Answer::Ok);
    EXPECT_EQ(week.deleteWeek(), TWocheDataModul::DeleteWeek::Deleted);
    EXPECT_EQ(week.weekKeys(), QStringList{QStringLiteral("202604")});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM anforderungen WHERE MWOCHE = '202610'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE R_NR = ?"), {party}), 1);
}

TEST_F(TWocheDataModulTest, PlanningCountsTheCalendarWeeksAcrossTheTurnOfTheYear)
{
    // Next parties agreed with customers, from late 2020 to early 2026.
    const std::vector<QDate> next{QDate(2020, 12, 28), QDate(2021, 1, 4),   QDate(2025, 12, 17),
                                  QDate(2025, 12, 24), QDate(2025, 12, 29), QDate(2026, 1, 2),
                                  QDate(2026, 1, 2),   QDate(2026, 1, 12),  QDate(2026, 2, 2)};
    for (size_t i = 0; i < next.size(); ++i)
        addCustomer(QString::number(300000 + i), {{QStringLiteral("N_DATUM"), next[i]}});
    struct Case
    {
        const char* week;
        std::array<int, 6> planned;
    };
    const std::vector<Case> cases{{"202551", {1, 3, 0, 1, 0, 0}}, // 2025 has 52 weeks
                                  {"202552", {3, 0, 1, 0, 0, 1}},
                                  {"202052", {1, 1, 0, 0, 0, 0}}, // 2020 has 53
                                  {"202053", {1, 0, 0, 0, 0, 0}}};
    for (const Case& c : cases) {
        const QString key = QString::fromLatin1(c.week);
        db().run(QStringLiteral("INSERT INTO MWoche (MWoche, VORFUEHR_6) VALUES (?, 9)"), {key});
        ASSERT_TRUE(week.setCurrentWeek(key));
        week.planungEintragen();
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(weekField(key, QStringLiteral("VORFUEHR_%1").arg(k)).toInt(), c.planned[k - 1])
                << c.week << " week " << k;
    }
}

TEST_F(TWocheDataModulTest, RequestItemsStopAtTheirMaximumAndNeverGoBelowZero)
{
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche) VALUES ('202610')"));
    addRequestItem(QStringLiteral("202610"), QStringLiteral("FREI"), 0, 0);
    addRequestItem(QStringLiteral("202610"), QStringLiteral("DREI"), 2, 3);
    addRequestItem(QStringLiteral("202611"), QStringLiteral("FREI"), 0, 0);
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202610")));
    ASSERT_EQ(week.requestItems().size(), 2u);

    for (int i = 0; i < 5; ++i)
        week.requestSpin(QStringLiteral("FREI"), true);
    EXPECT_EQ(week.requestSpin(QStringLiteral("DREI"), true), 3);
    EXPECT_EQ(week.requestSpin(QStringLiteral("DREI"), true), std::nullopt);
    auto menge = [&](const char* week, const char* code) {
        return count(QStringLiteral("SELECT Menge FROM anforderungen WHERE MWOCHE = ? AND Kodierung = ?"),
                     {QString::fromLatin1(week), QString::fromLatin1(code)});
    };
    EXPECT_EQ(menge("202610", "FREI"), 5);
    EXPECT_EQ(menge("202610", "DREI"), 3);
    EXPECT_EQ(menge("202611", "FREI"), 0);
    for (int i = 0; i < 5; ++i)
        week.requestSpin(QStringLiteral("DREI"), false);
    EXPECT_EQ(menge("202610", "DREI"), 0);
    EXPECT_EQ(week.requestSpin(QStringLiteral("GIBTSNICHT"), true), std::nullopt);
}

TEST_F(TWocheDataModulTest, PartyViewFollowsTheMarkingAndCarriesItsComputedColumns)
{
    options().setText(QStringLiteral("Weeks"), QStringLiteral("1"));
    const QString first = makeParty(QDate(2026, 1, 20), QStringLiteral("200001"), QStringLiteral("A"));
    const QString second = makeParty(QDate(2026, 1, 21), QStringLiteral("200002"), QStringLiteral("A"));
    const QString third = makeParty(QDate(2026, 1, 22), QStringLiteral("200001"), QStringLiteral("A"));
    // Horizon of the first party (Tuesday): Sunday 25.01. + 1 week = 01.02.2026.
    for (const QDate& date : {QDate(2026, 2, 1), QDate(2026, 2, 2)}) {
        const QString guest = addGuest(first, QStringLiteral("200002"));
        db().run(QStringLiteral(
                     "UPDATE Tupper SET Verabredung = 1, Verabred_DATUM = ? WHERE R_NR = ? AND P_NR = ?"),
                 {date.toString(Qt::ISODate), first, guest});
    }
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    EXPECT_EQ(week.partWeeks(), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_TRUE(week.VorFuerTable().empty());

    week.markPartWeek(QStringLiteral("1"));
    week.markPartWeek(QStringLiteral("2"));
    ASSERT_EQ(week.VorFuerTable().size(), 2u);
    const auto& a = week.VorFuerTable().at(0);
    EXPECT_EQ(a.header.value(QStringLiteral("R_NR")).toString(), first);
    EXPECT_EQ(a.hostName, QStringLiteral("Brandt, Ute"));
    EXPECT_EQ(a.PlzOrt, QStringLiteral("12345 Kassel"));
    EXPECT_EQ(a.Verabred_2, QVariant(1));
    EXPECT_EQ(week.VorFuerTable().at(1).header.value(QStringLiteral("R_NR")).toString(), second);
    EXPECT_TRUE(week.VorFuerTable().at(1).Verabred_2.isNull());
    EXPECT_TRUE(week.isMarked(QStringLiteral("2")));
    EXPECT_FALSE(week.isMarked(QStringLiteral("3")));

    week.MarkPartiesExported();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE ERSTELLT = 1")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT ERSTELLT FROM Tuppkopf WHERE R_NR = ?"), {third}), 0);

    // Changing the week clears the marking; an action without marking takes every part-week.
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    EXPECT_TRUE(week.marked().isEmpty());
    const WeekRange all = week.actionRange();
    EXPECT_EQ(all.start, QStringLiteral("1"));
    EXPECT_EQ(all.end, QStringLiteral("3"));
    EXPECT_EQ(week.VorFuerTable().size(), 3u);
}

TEST_F(TWocheDataModulTest, MarkingPartiesExportedIsAllOrNothing)
{
    const QString first = makeParty(QDate(2026, 1, 20), QStringLiteral("200001"), QStringLiteral("A"));
    const QString second = makeParty(QDate(2026, 1, 21), QStringLiteral("200002"), QStringLiteral("A"));
    db().execScript(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF ERSTELLT ON Tuppkopf "
                                   "WHEN OLD.R_NR = '%1' BEGIN SELECT RAISE(ABORT, 'voll'); END")
                        .arg(second));
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202604")));
    week.SelectPartWeeks(true);
    EXPECT_THROW(week.MarkPartiesExported(), DatabaseError);
    EXPECT_EQ(count(QStringLiteral("SELECT ERSTELLT FROM Tuppkopf WHERE R_NR = ?"), {first}), 0);
}

TEST_F(TWocheDataModulTest, RebuildAddsMissingWeekRecordsWithoutPrintState)
{
    makeParty(QDate(2026, 1, 20), QStringLiteral("200001"));
    makeParty(QDate(2026, 3, 2), QStringLiteral("200001"));
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche, DR_20) VALUES ('202501', 2)"));
    db().run(QStringLiteral("DELETE FROM MWoche WHERE MWoche IN ('202604', '202610')"));
    EXPECT_EQ(week.RebuildWeekRecords(), 2);
    EXPECT_EQ(week.weekKeys(),
              (QStringList{QStringLiteral("202501"), QStringLiteral("202604"), QStringLiteral("202610")}));
    EXPECT_EQ(weekField(QStringLiteral("202610"), kPrintWord).toInt(), 0);
    EXPECT_EQ(week.RebuildWeekRecords(), 0);
}

TEST_F(TWocheDataModulTest, EditsAreStoredOnLeavingAndARecordWithoutKeyGoesOnClosing)
{
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche) VALUES ('202610')"));
    db().run(QStringLiteral("INSERT INTO MWoche (MWoche) VALUES ('202611')"));
    ASSERT_TRUE(week.openLast());
    EXPECT_EQ(week.currentWeek(), QStringLiteral("202611"));
    EXPECT_EQ(week.spin(QStringLiteral("REK_BESUCH"), true), QVariant(1));
    EXPECT_EQ(weekField(QStringLiteral("202611"), QStringLiteral("REK_BESUCH")).toInt(), 1); // stored at once

    week.setField(QStringLiteral("Bemerkung"), QStringLiteral("Abholung verschoben"));
    ASSERT_TRUE(week.setCurrentWeek(QStringLiteral("202610")));
    EXPECT_EQ(weekField(QStringLiteral("202611"), QStringLiteral("Bemerkung")).toString(),
              QStringLiteral("Abholung verschoben"));

    ui().addDate(QDate(2026, 3, 6));
    EXPECT_TRUE(week.pickDate(QStringLiteral("A_DATUM")));
    EXPECT_EQ(weekField(QStringLiteral("202610"), QStringLiteral("A_DATUM")).toString(),
              QStringLiteral("2026-03-06"));
    ui().addDate(QDate());
    EXPECT_TRUE(week.pickDate(QStringLiteral("A_DATUM")));
    EXPECT_TRUE(weekField(QStringLiteral("202610"), QStringLiteral("A_DATUM")).isNull());

    week.setField(QStringLiteral("MWoche"), QString());
    week.close();
    EXPECT_EQ(ui().shownTexts().last(), TWocheDataModul::kWeekRemoved);
    EXPECT_EQ(week.weekKeys(), QStringList{QStringLiteral("202611")});
}

} // namespace korbelant::test
