#include "exchange/DiskFileSeal.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

TEST(DiskFileSealTest, EndMarkAndCheckByteAreAppended)
{
    const QByteArray lines("AB\r\nC\r\n");
    EXPECT_EQ(DiskFileSeal::sealed(lines), QByteArray("AB\r\nC\r\n\x1A\x0F", 9));
    // A file that ends with the mark already gets only the check byte.
    EXPECT_EQ(DiskFileSeal::sealed(QByteArray("AB\r\nC\r\n\x1A")), QByteArray("AB\r\nC\r\n\x1A\x0F", 9));
    EXPECT_EQ(DiskFileSeal::sealed(QByteArray()), QByteArray("\x1A\x1A"));
    // 255 bytes of 0xFF sum to a multiple of 255.
    EXPECT_EQ(DiskFileSeal::sealed(QByteArray(255, '\xFF')).back(), '\x1A');
}

TEST(DiskFileSealTest, ValidOnlyWhenTheLastByteIsTheSumOfTheOthers)
{
    const QByteArray sealed = DiskFileSeal::sealed("AB\r\nC\r\n");
    EXPECT_TRUE(DiskFileSeal::isValid(sealed));
    QByteArray changed = sealed;
    changed[0] = 'X';
    EXPECT_FALSE(DiskFileSeal::isValid(changed));
    EXPECT_FALSE(DiskFileSeal::isValid(sealed.chopped(1)));
    EXPECT_FALSE(DiskFileSeal::isValid(QByteArray()));
}

TEST(DiskFileSealTest, FileIsSealedInPlaceAndVerified)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GBBEST.ASC"));
    writeFileBytes(path, "AB\r\nC\r\n");
    EXPECT_FALSE(DiskFileSeal::VerifySeal(path));
    ASSERT_TRUE(DiskFileSeal::SealFile(path));
    EXPECT_EQ(fileBytes(path), QByteArray("AB\r\nC\r\n\x1A\x0F", 9));
    EXPECT_TRUE(DiskFileSeal::VerifySeal(path));
    EXPECT_FALSE(DiskFileSeal::SealFile(dir.filePath(QStringLiteral("fehlt.ASC"))));
    EXPECT_FALSE(DiskFileSeal::VerifySeal(dir.filePath(QStringLiteral("fehlt.ASC"))));
}

} // namespace korbelant::test
