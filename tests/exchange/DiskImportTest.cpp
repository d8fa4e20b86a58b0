#include "exchange/DiskImport.h"
#include "core/Options.h"
#include "exchange/DiskFileSeal.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DistributorDisk.h"
#include "support/DataSetFixture.h"
#include "support/DistributorDiskFiles.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korbelant::test {

// The fixture disk read into TRANSTUP by consultant 4711.
class DiskImportTest : public DataSetFixture
{
protected:
    DiskImportTest()
    {
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        QDir().mkpath(transtup());
        copyDiskFixture(disk.path());
        protocol.start(QDateTime(QDate(2006, 12, 11), QTime(9, 5, 7)));
    }

    QString transtup() const { return m_home.home().path(QStringLiteral("TRANSTUP")); }
    QString inTranstup(const char* name) const
    {
        return QDir(transtup()).filePath(QString::fromLatin1(name));
    }
    DiskImport import() { return DiskImport(options(), transtup(), drive, protocol, ui()); }

    QTemporaryDir disk;
    DistributorDisk drive{options(), transtup(), ui()};
    DiskProtocol protocol{
        QDir(m_home.home().path(QStringLiteral("TRANSTUP"))).filePath(DiskProtocol::kFileName)};
};

TEST_F(DiskImportTest, FilesOfTheDiskAreConvertedIntoTranstup)
{
    ASSERT_TRUE(import().readDisk(disk.path())) << ui().shownTexts().join(QLatin1Char('|')).toStdString();
    for (const char* name : {"PCBERAT.ASC", "PCART.ASC", "AEHLP.ASC"})
        EXPECT_EQ(fileBytes(inTranstup(name)), fileBytes(expectedDiskFile(QString::fromLatin1(name))))
            << name;
    // The record whose price is no number stays as it was; the others are converted.
    EXPECT_EQ(ui().shownTexts(), QStringList{DiskImport::kBadArticle});
    for (const char* temporary : {"GBPPCBERAT.ASC", "GBPPCART.ASC", "GBPAEHLP.ASC"})
        EXPECT_FALSE(QFileInfo::exists(inTranstup(temporary))) << temporary;
    EXPECT_EQ(fileBytes(protocol.path()), QByteArray("Datum : 11.12.2006\r\nZeit  : 09:05:07\r\n\r\n"
                                                     "PCBERAT.ASC         2 S\xE4tze   OK\r\n"
                                                     "Fehler im Satzaufbau von GBART.ASC\r\n"
                                                     "PCART.ASC           4 S\xE4tze   OK\r\n"
                                                     "AEHLP.ASC           3 S\xE4tze   OK\r\n"));
}

TEST_F(DiskImportTest, DiskOfAnotherConsultantIsRefused)
{
    options().setText(QStringLiteral("BNR"), QStringLiteral("4712"));
    EXPECT_FALSE(import().readDisk(disk.path()));
    EXPECT_EQ(ui().shownTexts(),
              QStringList{DiskImport::otherConsultant(QStringLiteral("4711"), QStringLiteral("Ute"),
                                                      QStringLiteral("Muster"))});
    EXPECT_FALSE(QFileInfo::exists(inTranstup("PCART.ASC"))) << "nothing read after the refusal";
}

TEST_F(DiskImportTest, MissingOrDamagedFilesAreNotRead)
{
    struct Case
    {
        const char* file;
        bool damage; // a changed byte instead of a missing file
        QString message;
    };
    const std::vector<Case> cases{
        {"BERGRUP.ASC", false, DiskImport::kNoConsultants},
        {"GBART.ASC", false, DiskImport::kNoArticles},
        {"BERGRUP.ASC", true, DiskImport::kConsultantsNotCopied},
        {"GBART.ASC", true, DiskImport::kArticlesNotCopied},
        {"AEHLP.ASC", true, DiskImport::kSparePartsNotCopied},
    };
    for (const Case& k : cases) {
        copyDiskFixture(disk.path());
        const QString path = QDir(disk.path()).filePath(QString::fromLatin1(k.file));
        if (k.damage) {
            QByteArray bytes = fileBytes(path);
            bytes[5] = bytes[5] == 'x' ? 'y' : 'x';
            writeFileBytes(path, bytes);
        } else {
            QFile::remove(path);
        }
        ScriptedUi caseUi;
        DistributorDisk caseDrive(options(), transtup(), caseUi);
        DiskImport reader(options(), transtup(), caseDrive, protocol, caseUi);
        EXPECT_FALSE(reader.readDisk(disk.path())) << k.file;
        const QStringList expected =
            k.damage ? QStringList{DistributorDisk::checksumError(QString::fromLatin1(k.file)), k.message}
                     : QStringList{k.message};
        EXPECT_EQ(caseUi.shownTexts().mid(caseUi.shownTexts().size() - expected.size()), expected) << k.file;
    }
}

TEST_F(DiskImportTest, FileNamesOfTheDiskMatchWithoutRegardToCase)
{
    QDir dir(disk.path());
    ASSERT_TRUE(dir.rename(QStringLiteral("GBART.ASC"), QStringLiteral("gbart.asc")));
    EXPECT_TRUE(import().readArticles(disk.path()));
    EXPECT_EQ(fileBytes(inTranstup("PCART.ASC")), fileBytes(expectedDiskFile(QStringLiteral("PCART.ASC"))));
}

} // namespace korbelant::test
