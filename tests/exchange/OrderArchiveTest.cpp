#include "exchange/OrderArchive.h"
#include "exchange/ArchiveError.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"
#include "support/ZipTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// Text that packs well and holds what a Windows-1252 file holds.
QByteArray orderText()
{
    QByteArray text("Version = 2.0\r\n\r\n[Vorf\xfchrung]\r\n");
    for (int i = 0; i < 200; ++i)
        text += "Datensatz = 10;" + QByteArray::number(10000000 + i) + ";2\r\n";
    return text;
}

class OrderArchiveTest : public ::testing::Test
{
protected:
    QString archive() const { return dir.filePath(QStringLiteral("Order.zip")); }
    QStringList folder() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(OrderArchiveTest, NewArchiveIsReadByCommonTools)
{
    OrderArchive::put(archive(), QStringLiteral("Order.txt"), orderText());
    const ZipListing listing = listZip(archive());
    EXPECT_EQ(listing.names, QStringList{QStringLiteral("Order.txt")});
    EXPECT_EQ(listing.compression, std::vector<int>{8});
    EXPECT_TRUE(listing.intact);
    EXPECT_EQ(zipEntryByPython(archive(), QStringLiteral("Order.txt")), orderText());
    EXPECT_EQ(zipEntryByUnzip(archive(), QStringLiteral("Order.txt")), orderText());
    EXPECT_LT(QFileInfo(archive()).size(), orderText().size() / 4); // packed with the best compression
    EXPECT_EQ(folder(), QStringList{QStringLiteral("Order.zip")});
}

TEST_F(OrderArchiveTest, ExistingArchiveKeepsItsOtherEntriesAndGetsTheNewOrder)
{
    makeZip(archive(), {{QStringLiteral("Ber_ID.bin"), QByteArray(" 4711 Muster\r\n")},
                        {QStringLiteral("ORDER.TXT"), QByteArray("alte Bestellung")}});
    OrderArchive::put(archive(), QStringLiteral("Order.txt"), orderText());
    const ZipListing listing = listZip(archive());
    EXPECT_EQ(listing.names, (QStringList{QStringLiteral("Ber_ID.bin"), QStringLiteral("Order.txt")}));
    EXPECT_TRUE(listing.intact);
    EXPECT_EQ(zipEntryByPython(archive(), QStringLiteral("Ber_ID.bin")), QByteArray(" 4711 Muster\r\n"));
    EXPECT_EQ(zipEntryByUnzip(archive(), QStringLiteral("Order.txt")), orderText());
    // A second transfer of the week replaces its own entry again.
    OrderArchive::put(archive(), QStringLiteral("Order.txt"), QByteArray("neu"));
    EXPECT_EQ(listZip(archive()).names.count(QStringLiteral("Order.txt")), 1);
    EXPECT_EQ(zipEntryByPython(archive(), QStringLiteral("Order.txt")), QByteArray("neu"));
}

TEST_F(OrderArchiveTest, FailedWriteLeavesTheFolderAsItWas)
{
    const QByteArray damaged("PK\x03\x04 kein Archiv");
    QFile file(archive());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    EXPECT_THROW(OrderArchive::put(archive(), QStringLiteral("Order.txt"), orderText()), ArchiveError);
    EXPECT_EQ(fileBytes(archive()), damaged);
    EXPECT_EQ(folder(), QStringList{QStringLiteral("Order.zip")});

    const QString missing = dir.filePath(QStringLiteral("fehlt/Order.zip"));
    EXPECT_THROW(OrderArchive::put(missing, QStringLiteral("Order.txt"), orderText()), ArchiveError);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

} // namespace korbelant::test
