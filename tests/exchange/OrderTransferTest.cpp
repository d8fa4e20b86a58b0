#include "exchange/OrderTransfer.h"
#include "support/FileBytes.h"
#include "support/OrderWeekFixture.h"
#include "support/ZipTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace korbelant::test {

namespace {

using Answer = UiPort::Answer;
using T = OrderTransfer;

const QDate kToday(2006, 12, 12);

QString fixtureFile()
{
    return QStringLiteral(KORBELANT_SOURCE_DIR "/tests/fixtures/exchange/Order-200649.txt");
}

// What a case may change before the transfer runs.
struct Scene
{
    Database& db;
    Options& options;
    TWocheDataModul& week;
    QString target; // the local exchange folder, with this consultant's Ber_ID.bin
    QString online; // the Online folder of the data home, with the same Ber_ID.bin
    QString a;
};

} // namespace

// The week of OrderWeekFixture, transferred to a local folder set as the path of the options.
class OrderTransferTest : public OrderWeekFixture
{
protected:
    OrderTransferTest()
    {
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        options().setText(QStringLiteral("BZHPFAD"), target.path());
        writeFileBytes(target.filePath(QStringLiteral("Ber_ID.bin")), " 4711 Ute Muster\r\n");
        writeFileBytes(online() + QStringLiteral("/BER_ID.BIN"), " 4711\r\n");
    }

    OrderTransfer transfer() { return OrderTransfer(week(), options(), m_home.home(), ui()); }
    QString online() const { return m_home.home().path(QStringLiteral("Online")); }
    Scene scene() { return {db(), options(), week(), target.path(), online(), a}; }
    int transferred()
    {
        return db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE ERSTELLT = 1")).toInt();
    }
    QString orderTxt() const { return m_home.home().path(QStringLiteral("TRANSTUP/Order.txt")); }

    QTemporaryDir target;
};

TEST_F(OrderTransferTest, OrderFileGoesIntoTheArchiveBeforeThePartiesCountAsTransferred)
{
    ui().addFile(target.path());
    ui().addAnswer(Answer::Ok);
    const auto archive = transfer().run(std::nullopt, kToday);
    ASSERT_TRUE(archive.has_value()) << ui().shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(*archive, target.filePath(QStringLiteral("Order.zip")));
    EXPECT_EQ(ui().shownTexts(), (QStringList{T::kChooseFolder, T::confirmPath(target.path())}));
    const QByteArray expected = fileBytes(fixtureFile());
    EXPECT_EQ(fileBytes(orderTxt()), expected);
    EXPECT_EQ(zipEntryByPython(*archive, QStringLiteral("Order.txt")), expected);
    EXPECT_EQ(listZip(*archive).names, QStringList{QStringLiteral("Order.txt")});
    EXPECT_EQ(transferred(), 3);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT BZH_VF_NR FROM Tuppkopf WHERE R_NR = ?"), {a}).toString(),
              QStringLiteral("34310"));
}

TEST_F(OrderTransferTest, ConfirmationAndArchiveFolderFollowTheChoice)
{
    QTemporaryDir drive;
    writeFileBytes(drive.filePath(QStringLiteral("ber_id.bin")), " 4711");
    struct Case
    {
        const char* bzhDrive;
        bool online;
        QString confirmation;
        QString folder;
    };
    const std::vector<Case> cases{
        {"Pfad:", false, T::confirmPath(target.path()), target.path()},
        {"a", false, T::kConfirmDisk, drive.path()},
        {"a", true, T::kConfirmOnline, online()},
    };
    options().setText(QStringLiteral("LaufwerkA"), drive.path());
    for (const Case& k : cases) {
        db().run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 0"));
        week().setCurrentWeek(QStringLiteral("200649"));
        options().setText(QStringLiteral("BZHDRIVE"), QString::fromLatin1(k.bzhDrive));
        ScriptedUi caseUi({Answer::Ok});
        OrderTransfer order(week(), options(), m_home.home(), caseUi);
        EXPECT_EQ(order.localFolder(), k.online ? drive.path() : k.folder);
        const auto archive =
            order.run(T::Target{k.online ? online() : order.localFolder(), k.online}, kToday);
        EXPECT_EQ(caseUi.shownTexts(), QStringList{k.confirmation}) << k.bzhDrive << k.online;
        EXPECT_EQ(archive.value_or(QString()), QDir(k.folder).filePath(QStringLiteral("Order.zip")));
        EXPECT_EQ(zipEntryByUnzip(*archive, QStringLiteral("Order.txt")), fileBytes(fixtureFile()));
        EXPECT_EQ(transferred(), 3);
    }
}

TEST_F(OrderTransferTest, TransferAgainAsksFirstAndDiskThatIsNotThereCanBeRetried)
{
    week().markRange({QStringLiteral("200649"), QStringLiteral("1"), QStringLiteral("1")});
    db().run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 1 WHERE R_NR = ?"), {a});
    week().SelectPartWeeks(false);
    options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("b"));
    options().setText(QStringLiteral("LaufwerkB"), target.filePath(QStringLiteral("fehlt")));
    for (const Answer answer : {Answer::Yes, Answer::Retry, Answer::Retry, Answer::Cancel})
        ui().addAnswer(answer);
    ui().addFile(target.filePath(QStringLiteral("fehlt")));
    EXPECT_FALSE(transfer().run(std::nullopt, kToday).has_value());
    EXPECT_EQ(ui().shownTexts(), (QStringList{T::kAskRepeat, T::kChooseFolder, T::driveNotReady("b"),
                                              T::driveNotReady("b"), T::driveNotReady("b")}));
    EXPECT_EQ(transferred(), 1);

    // Another folder chosen instead of the drive: the drive is not asked for.
    ui() = ScriptedUi({Answer::Yes, Answer::Ok});
    ui().addFile(target.path());
    EXPECT_TRUE(transfer().run(std::nullopt, kToday).has_value());
    EXPECT_FALSE(ui().wasShown(T::driveNotReady("b")));
}

// A transfer that ends on the way: the folder chosen in the dialog (none: cancelled), the
// message it ends with, and nothing written or marked.
struct EndCase
{
    enum class Folder
    {
        Local,
        Drive, // the directory of the options' drive, here a folder "fehlt" that is not there
        Online,
        None
    };
    const char* id;
    std::function<void(Scene&)> prepare;
    QList<Answer> answers;
    QString endsWith;
    Folder folder = Folder::Local;
};

class OrderTransferEnds : public OrderTransferTest, public ::testing::WithParamInterface<EndCase>
{
};

TEST_P(OrderTransferEnds, NothingIsWrittenOrMarked)
{
    const EndCase& k = GetParam();
    Scene s = scene();
    if (k.folder != EndCase::Folder::None)
        ui().addFile(k.folder == EndCase::Folder::Online  ? online()
                     : k.folder == EndCase::Folder::Drive ? target.filePath(QStringLiteral("fehlt"))
                                                          : target.path());
    k.prepare(s);
    for (const Answer answer : k.answers)
        ui().addAnswer(answer);
    const int before = transferred();
    const QByteArray archiveBefore = fileBytes(target.filePath(QStringLiteral("Order.zip")));
    EXPECT_FALSE(transfer().run(std::nullopt, kToday).has_value());
    ASSERT_FALSE(ui().shown().isEmpty());
    EXPECT_TRUE(ui().shown().last().text.contains(k.endsWith))
        << ui().shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(transferred(), before);
    EXPECT_EQ(fileBytes(target.filePath(QStringLiteral("Order.zip"))), archiveBefore);
    EXPECT_FALSE(QFileInfo::exists(online() + QStringLiteral("/Order.zip")));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, OrderTransferEnds,
    ::testing::Values(
        EndCase{"TransferredBeforeAndNo",
                [](Scene& s) {
                    s.db.run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 1 WHERE R_NR = ?"), {s.a});
                    s.week.markRange({QStringLiteral("200649"), QStringLiteral("1"), QStringLiteral("2")});
                },
                {Answer::No},
                T::kAskRepeat},
        EndCase{"NoPlanningAndAbort",
                [](Scene& s) {
                    for (int k = 1; k <= 6; ++k)
                        s.week.setField(QStringLiteral("VORFUEHR_%1").arg(k), 0);
                },
                {Answer::Cancel},
                T::kNotEdited},
        EndCase{"FolderDialogCancelled", [](Scene&) {}, {}, T::kChooseFolder, EndCase::Folder::None},
        EndCase{"DiskNotInserted",
                [](Scene& s) {
                    s.options.setText(QStringLiteral("BZHDRIVE"), QStringLiteral("a"));
                    s.options.setText(QStringLiteral("LaufwerkA"), s.target + QStringLiteral("/fehlt"));
                },
                {Answer::Cancel},
                T::driveNotReady(QStringLiteral("a")),
                EndCase::Folder::Drive},
        EndCase{"ConfirmationDeclined", [](Scene&) {}, {Answer::Cancel}, QStringLiteral(" überspielt.")},
        EndCase{"NoBerIdOnTheMedium",
                [](Scene& s) { QFile::remove(s.target + QStringLiteral("/Ber_ID.bin")); },
                {Answer::Ok},
                T::kNoBerId},
        EndCase{"BerIdOfAnotherConsultant",
                [](Scene& s) { writeFileBytes(s.target + QStringLiteral("/Ber_ID.bin"), "04711\r\n"); },
                {Answer::Ok},
                T::kNoBerId},
        EndCase{"OnlineFolderWithoutBerId",
                [](Scene& s) { QFile::remove(s.online + QStringLiteral("/BER_ID.BIN")); },
                {Answer::Ok},
                T::kNoBerIdOnline,
                EndCase::Folder::Online},
        EndCase{"WeekWithoutOrderLines",
                [](Scene& s) { s.db.run(QStringLiteral("DELETE FROM Tupper1")); },
                {Answer::Ok},
                T::kNoOrders},
        EndCase{"DamagedArchiveInTheFolder",
                [](Scene& s) { writeFileBytes(s.target + QStringLiteral("/Order.zip"), "PK kaputt"); },
                {Answer::Ok},
                QStringLiteral("Order.zip")}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.id); });

TEST_F(OrderTransferTest, CommandLinePrintsTheArchive)
{
    options().SaveOptions();
    const QStringList home{QStringLiteral("--home"), m_home.root()};
    const QStringList command{QStringLiteral("week"), QStringLiteral("transfer"), QStringLiteral("200649")};
    const CliRun declined =
        runCli(home + QStringList{QStringLiteral("--answers"), QStringLiteral("abbrechen")} + command +
               QStringList{QStringLiteral("--target"), target.path()});
    EXPECT_EQ(declined.exitCode, 3) << declined.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target.filePath(QStringLiteral("Order.zip"))));

    const CliRun done =
        runCli(home + QStringList{QStringLiteral("--answers"), QStringLiteral("ok")} + command +
               QStringList{QStringLiteral("--von"), QStringLiteral("1"), QStringLiteral("--bis"),
                           QStringLiteral("1"), QStringLiteral("--target"), target.path()});
    EXPECT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_EQ(done.out.trimmed(), target.filePath(QStringLiteral("Order.zip")));
    const QByteArray order =
        zipEntryByUnzip(target.filePath(QStringLiteral("Order.zip")), QStringLiteral("Order.txt"));
    EXPECT_TRUE(order.contains("Woche = 2006/49\r\nVorf\xfchrungen = 2\r\n"))
        << order.left(200).toStdString();
    EXPECT_EQ(transferred(), 2); // the parties of part-week 1

    QFile::remove(online() + QStringLiteral("/BER_ID.BIN"));
    const CliRun online = runCli(home + QStringList{QStringLiteral("--answers"), QStringLiteral("ok")} +
                                 command + QStringList{QStringLiteral("--online")});
    EXPECT_EQ(online.exitCode, 1);
    EXPECT_TRUE(online.err.contains(T::kNoBerIdOnline)) << online.err.toStdString();
}

} // namespace korbelant::test
