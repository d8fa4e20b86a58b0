#include "exchange/DiskTransfer.h"
#include "core/Options.h"
#include "exchange/DiskFileSeal.h"
#include "exchange/DiskFileWriter.h"
#include "exchange/DiskImport.h"
#include "exchange/DistributorDisk.h"
#include "exchange/OrderTransfer.h"
#include "support/DistributorDiskFiles.h"
#include "support/FileBytes.h"
#include "support/OrderWeekFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korbelant::test {

namespace {

using Answer = UiPort::Answer;

const QDateTime kNow(QDate(2006, 12, 11), QTime(18, 30, 0));

} // namespace

// The week of OrderWeekFixture onto the fixture disk, put in a folder set as the options' path.
class DiskTransferTest : public OrderWeekFixture
{
protected:
    DiskTransferTest()
    {
        options().setChecked(QStringLiteral("bzh_old"), true);
        options().setChecked(QStringLiteral("Euro"), true);
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        options().setText(QStringLiteral("BZHPFAD"), target.path());
        copyDiskFixture(target.path());
    }

    DiskTransfer::Result run(bool fromPreview = false)
    {
        DiskTransfer transfer(week(), options(), m_home.home(), ui());
        return transfer.run(fromPreview, kNow);
    }
    int transferred()
    {
        return db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE ERSTELLT = 1")).toInt();
    }
    QString onDisk(const QString& name) const { return QDir(target.path()).filePath(name); }
    QString transtup(const QString& name) const
    {
        return m_home.home().path(QStringLiteral("TRANSTUP/") + name);
    }
    QString shown() { return ui().shownTexts().join(QLatin1Char('|')); }

    QTemporaryDir target;
};

TEST_F(DiskTransferTest, WeekFilesGoOntoTheDiskAsTheDistributorReadsThem)
{
    // A town with a district: the part after the dash is the ORTSTEIL.
    db().run(QStringLiteral("UPDATE Kunden SET ORT = 'Kassel-Wehlheiden' WHERE K_NR = '200003'"));
    // A's nomination, counted in its header as the party's totals count it.
    db().run(QStringLiteral("UPDATE Tuppkopf SET BENENN_TUP = 1 WHERE R_NR = ?"), {a});
    ui().addAnswer(Answer::Ok);
    const DiskTransfer::Result result = run();
    EXPECT_EQ(result.disks, 1);
    EXPECT_EQ(result.written, 1) << shown().toStdString();
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(ui().shownTexts(), QStringList{OrderTransfer::confirmPath(target.path())});
    for (const char* name : {"GBBEST.ASC", "GBERF.ASC", "GBADR.ASC"}) {
        const QByteArray written = fileBytes(onDisk(QString::fromLatin1(name)));
        EXPECT_EQ(written, fileBytes(expectedDiskFile(QString::fromLatin1(name)))) << name;
        EXPECT_TRUE(DiskFileSeal::isValid(written)) << name;
    }
    EXPECT_EQ(fileBytes(transtup(QStringLiteral("Protokoll.TXT"))),
              fileBytes(expectedDiskFile(QStringLiteral("Protokoll.TXT"))));
    EXPECT_EQ(transferred(), 3);
    // TRANSTUP holds the record descriptions and the reference boot sector.
    for (const char* name : {"PCART.sch", "ADR.sch", "Boot3hd.dat", "PCBERAT.ASC"})
        EXPECT_TRUE(QFileInfo::exists(transtup(QString::fromLatin1(name)))) << name;
}

TEST_F(DiskTransferTest, AddressesOnlyWithTheOption)
{
    options().setChecked(QStringLiteral("GGAdress"), false);
    ui().addAnswer(Answer::Ok);
    EXPECT_EQ(run(true).written, 1) << shown().toStdString();
    EXPECT_TRUE(QFileInfo::exists(onDisk(DiskFileWriter::kOrders)));
    EXPECT_FALSE(QFileInfo::exists(onDisk(DiskFileWriter::kAddresses)));
}

TEST_F(DiskTransferTest, DiskWithOrdersIsOverwrittenOnlyWhenConfirmed)
{
    writeFileBytes(onDisk(QStringLiteral("GBBEST.ASC")), "alt");
    for (const Answer answer : {Answer::Ok, Answer::No})
        ui().addAnswer(answer);
    EXPECT_TRUE(run().ended);
    EXPECT_EQ(ui().shownTexts().last(), DiskTransfer::kOverwrite);
    EXPECT_EQ(fileBytes(onDisk(QStringLiteral("GBBEST.ASC"))), QByteArray("alt"));
    EXPECT_EQ(transferred(), 0);

    for (const Answer answer : {Answer::Ok, Answer::Yes})
        ui().addAnswer(answer);
    EXPECT_EQ(run().written, 1);
    EXPECT_EQ(fileBytes(onDisk(QStringLiteral("GBBEST.ASC"))),
              fileBytes(expectedDiskFile(QStringLiteral("GBBEST.ASC"))));
    EXPECT_EQ(transferred(), 3);
}

// A value too large for its field stops the disk before anything is written: nothing on the
// disk, nothing marked, and the message names what did not fit.
TEST_F(DiskTransferTest, ValueThatDoesNotFitItsFieldIsNeverWrittenCut)
{
    struct Case
    {
        const char* id;
        const char* change;
        const char* back;
        const char* named;
    };
    // Part-week 1 sums A's and B's values: B has 3 pieces of T10 and 4 guests.
    const std::vector<Case> cases{
        {"quantity of 1000", "UPDATE Tupper1 SET STUECK = 997 WHERE L_NR = 'T10' AND R_NR = ?",
         "UPDATE Tupper1 SET STUECK = 2 WHERE L_NR = 'T10' AND R_NR = ?", "ZT10"},
        {"100 appointments", "UPDATE Tuppkopf SET VERABRED = 100 WHERE R_NR = ?",
         "UPDATE Tuppkopf SET VERABRED = 2 WHERE R_NR = ?", "Verabredungen"},
        {"1000 guests", "UPDATE Tuppkopf SET GAESTE = 996 WHERE R_NR = ?",
         "UPDATE Tuppkopf SET GAESTE = 5 WHERE R_NR = ?", "Gäste"},
    };
    for (const Case& k : cases) {
        db().run(QString::fromLatin1(k.change), {a});
        ScriptedUi caseUi({Answer::Ok});
        DiskTransfer transfer(week(), options(), m_home.home(), caseUi);
        const DiskTransfer::Result result = transfer.run(false, kNow);
        EXPECT_EQ(result.written, 0) << k.id;
        ASSERT_FALSE(caseUi.shown().isEmpty());
        EXPECT_EQ(caseUi.shown().last().kind, QStringLiteral("Fehler")) << k.id;
        EXPECT_TRUE(caseUi.shown().last().text.contains(QString::fromUtf8(k.named)))
            << k.id << ": " << caseUi.shown().last().text.toStdString();
        for (const QString& name :
             {DiskFileWriter::kOrders, DiskFileWriter::kSuccess, DiskFileWriter::kAddresses})
            EXPECT_FALSE(QFileInfo::exists(onDisk(name))) << k.id << " " << name.toStdString();
        EXPECT_EQ(transferred(), 0) << k.id;
        db().run(QString::fromLatin1(k.back), {a});
    }
}

// The checks of the disk in drive a: its files and its boot sector, read from the device file
// of GeraetA. A drive "A" typed in capitals is not checked at all.
TEST_F(DiskTransferTest, DiskInTheDriveIsCheckedUnlessTheLetterIsACapital)
{
    QTemporaryDir devices;
    const QByteArray reference = fileBytes(QStringLiteral(":/data/Boot3hd.dat"));
    ASSERT_EQ(reference.size(), DistributorDisk::kSectorSize);
    QByteArray other = reference;
    other[100] = '\x42';
    QByteArray sameStart = reference;
    sameStart[500] = '\x42'; // beyond the compared 492 bytes
    writeFileBytes(devices.filePath(QStringLiteral("same")), sameStart);
    writeFileBytes(devices.filePath(QStringLiteral("other")), other);
    writeFileBytes(devices.filePath(QStringLiteral("short")), reference.left(100));
    struct Case
    {
        const char* drive;
        bool withArticles;  // GBART.ASC on the disk
        const char* device; // in `devices`; empty for none set
        bool skipBoot;      // the option Boot
        QStringList messages;
        bool written;
    };
    const QString files = DistributorDisk::kNoBzhFiles;
    const QString bootFailed = DistributorDisk::kNoBzhBoot;
    const std::vector<Case> cases{
        {"a", true, "", false, {OrderTransfer::kConfirmDisk}, true},
        {"a", false, "", false, {OrderTransfer::kConfirmDisk, files}, false},
        {"A", false, "other", false, {OrderTransfer::kConfirmDisk}, true},
        {"a", true, "same", false, {OrderTransfer::kConfirmDisk}, true},
        {"a", true, "other", false, {OrderTransfer::kConfirmDisk, bootFailed}, false},
        {"a", true, "other", true, {OrderTransfer::kConfirmDisk}, true},
        {"a", true, "short", false, {OrderTransfer::kConfirmDisk}, true},
        {"a", true, "missing", false, {OrderTransfer::kConfirmDisk}, true},
    };
    for (const Case& k : cases) {
        QTemporaryDir drive;
        copyDiskFixture(drive.path());
        if (!k.withArticles)
            QFile::remove(QDir(drive.path()).filePath(QStringLiteral("GBART.ASC")));
        db().run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 0"));
        options().setText(QStringLiteral("BZHDRIVE"), QString::fromLatin1(k.drive));
        options().setText(QStringLiteral("LaufwerkA"), drive.path());
        options().setText(QStringLiteral("GeraetA"),
                          *k.device ? devices.filePath(QString::fromLatin1(k.device)) : QString());
        options().setChecked(QStringLiteral("Boot"), k.skipBoot);
        ScriptedUi caseUi({Answer::Ok});
        DiskTransfer transfer(week(), options(), m_home.home(), caseUi);
        const std::string id = std::string(k.drive) + " " + k.device + (k.withArticles ? "" : " ohne GBART");
        EXPECT_EQ(transfer.run(false, kNow).written, k.written ? 1 : 0) << id;
        EXPECT_EQ(caseUi.shownTexts(), k.messages) << id;
        EXPECT_EQ(QFileInfo::exists(QDir(drive.path()).filePath(DiskFileWriter::kOrders)), k.written) << id;
        EXPECT_EQ(transferred(), k.written ? 3 : 0) << id;
    }
}

TEST_F(DiskTransferTest, DiskThatIsNotThereCanBeRetried)
{
    options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("b"));
    options().setText(QStringLiteral("LaufwerkB"), target.filePath(QStringLiteral("fehlt")));
    for (const Answer answer : {Answer::Ok, Answer::Retry, Answer::Cancel})
        ui().addAnswer(answer);
    EXPECT_TRUE(run().ended);
    EXPECT_EQ(ui().shownTexts(), (QStringList{OrderTransfer::kConfirmDisk, DistributorDisk::kNotReady,
                                              DistributorDisk::kNotReady}));
    EXPECT_EQ(transferred(), 0);
}

TEST_F(DiskTransferTest, DiskOfAnotherConsultantEndsTheTransfer)
{
    options().setText(QStringLiteral("BNR"), QStringLiteral("815"));
    ui().addAnswer(Answer::Ok);
    EXPECT_TRUE(run().ended);
    EXPECT_EQ(
        ui().shownTexts().last(),
        DiskImport::otherConsultant(QStringLiteral("4711"), QStringLiteral("Ute"), QStringLiteral("Muster")));
    EXPECT_FALSE(QFileInfo::exists(onDisk(DiskFileWriter::kOrders)));
    EXPECT_EQ(transferred(), 0);
}

// Twenty parties in the part-weeks 1 .. 9, A .. K of a week, the first twelve marked.
class DiskTransferManyPartiesTest : public PartyModuleFixture
{
protected:
    DiskTransferManyPartiesTest()
    {
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        options().setText(QStringLiteral("BZHPFAD"), first.path());
        addCustomer(QStringLiteral("200001"), {{QStringLiteral("NAME"), QStringLiteral("Brandt")}});
        addArticle(QStringLiteral("T10"), QStringLiteral("10"), 10.0);
        for (int k = 1; k <= 20; ++k) {
            const QString rNr =
                makeParty(QDate(2006, 12, 6), QStringLiteral("200001"), QString(QChar(u'A' + k - 1)));
            enter(rNr, QStringLiteral("01"), QStringLiteral("T10"), QStringLiteral("10"), k);
            moveToPartWeek(rNr, mark(k));
        }
        db().run(QStringLiteral("UPDATE MWoche SET VORFUEHR_1 = 1"));
        m_week = std::make_unique<TWocheDataModul>(db(), options(), ui());
        m_week->setCurrentWeek(QStringLiteral("200649"));
        m_week->markRange({QStringLiteral("200649"), QStringLiteral("1"), QStringLiteral("C")});
        copyDiskFixture(first.path());
        copyDiskFixture(second.path());
    }

    static QString mark(int k) { return k <= 9 ? QString::number(k) : QString(QChar(u'A' + k - 10)); }

    std::unique_ptr<TWocheDataModul> m_week;
    QTemporaryDir first;
    QTemporaryDir second;
};

TEST_F(DiskTransferManyPartiesTest, SecondDiskTakesTheRestOfTheMarkedRange)
{
    for (const Answer answer : {Answer::Ok, Answer::Yes})
        ui().addAnswer(answer); // more than nine parties: several disks
    DiskTransfer transfer(*m_week, options(), m_home.home(), ui());
    transfer.setTargets({first.path(), second.path()});
    const DiskTransfer::Result result = transfer.run(false, kNow);
    EXPECT_EQ(result.disks, 2);
    EXPECT_EQ(result.written, 2) << ui().shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(ui().wasShown(DiskTransfer::nextDisk(2)));
    const auto records = [](const QString& folder) {
        QStringList lines = QString::fromLatin1(fileBytes(QDir(folder).filePath(DiskFileWriter::kOrders)))
                                .split(QStringLiteral("\r\n"));
        lines.removeLast(); // the trailer
        return lines;
    };
    const QStringList one = records(first.path());
    const QStringList two = records(second.path());
    ASSERT_EQ(one.size(), 9);
    ASSERT_EQ(two.size(), 3);
    // Positions start again on the second disk; quantities are the parties' 10, 11, 12.
    EXPECT_EQ(one.at(8), QStringLiteral("76 471149910ZT10      9  "));
    EXPECT_EQ(two, (QStringList{QStringLiteral("76 471149110ZT10     10  "),
                                QStringLiteral("76 471149210ZT10     11  "),
                                QStringLiteral("76 471149310ZT10     12  ")}));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE ERSTELLT = 1")).toInt(), 12);
    EXPECT_EQ(m_week->marked(), (WeekMarking::Range{QStringLiteral("1"), QStringLiteral("C")}));
    EXPECT_EQ(m_week->VorFuerTable().size(), 12u);
}

} // namespace korbelant::test
